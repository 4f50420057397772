# Puts the page together: cmake -D page=DIR -D source=DIR -D index=FILE
# -D programs=DIR -D shim=DIR -P assemble.cmake. The folder is made anew, so
# nothing of an earlier build stays in it.
file(REMOVE_RECURSE ${page})
file(MAKE_DIRECTORY ${page}/programs ${page}/examples ${page}/vendor/browser_wasi_shim)
file(COPY ${index} ${source}/web/app.js ${source}/web/worker.js ${source}/web/style.css DESTINATION ${page})
file(GLOB wasm ${programs}/*.wasm)
file(COPY ${wasm} DESTINATION ${page}/programs)
file(GLOB examples ${source}/examples/*.in)
file(COPY ${examples} DESTINATION ${page}/examples)
file(GLOB shim_code ${shim}/dist/*.js)
file(COPY ${shim_code} ${shim}/LICENSE-MIT ${shim}/LICENSE-APACHE ${shim}/package.json
     DESTINATION ${page}/vendor/browser_wasi_shim)

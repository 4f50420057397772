# The system WebAssembly programs run on (cmake/wasm32-wasi.cmake), which
# CMake 3.25 does not know: programs are .wasm modules, libraries static.
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_STATIC_LIBRARY_PREFIX lib)
set(CMAKE_STATIC_LIBRARY_SUFFIX .a)
set_property(GLOBAL PROPERTY TARGET_SUPPORTS_SHARED_LIBS FALSE)

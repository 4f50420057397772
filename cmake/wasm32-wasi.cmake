# WebAssembly programs (wasm32-wasi) from Debian's clang-16 with wasi-libc and
# libc++ (clang-16, lld-16, wasi-libc, libc++-16-dev-wasm32,
# libclang-rt-16-dev-wasm32), run here under node's WASI (tools/wasi-run.mjs):
#   cmake -S . -B build/wasm --toolchain cmake/wasm32-wasi.cmake
set(CMAKE_SYSTEM_NAME WASI)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})  # Platform/WASI.cmake
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-16)
set(CMAKE_CXX_COMPILER clang++-16)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Debian keeps the WASI headers and libraries in /usr's multiarch folders;
# clang-16 does not look for libc++'s headers there by itself.
set(CMAKE_SYSROOT /usr)
set(CMAKE_CXX_FLAGS_INIT "-isystem /usr/include/wasm32-wasi/c++/v1")
# A stack of 8 MiB, as Linux gives, placed below the data: a stack that
# overflowed would trap instead of overwriting it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--stack-first -Wl,-z,stack-size=8388608")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-warnings ${CMAKE_CURRENT_LIST_DIR}/../tools/wasi-run.mjs)

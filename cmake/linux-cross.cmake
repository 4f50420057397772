# Linux programs for another CPU from Debian's cross compilers (g++-TRIPLE),
# run here under qemu-user (the statically linked builds, which start faster)
# with the target's C library from /usr/TRIPLE:
#   cmake -S . -B build/s390x --toolchain cmake/linux-cross.cmake -DMINITOOLS_CROSS_TRIPLE=s390x-linux-gnu
# The GNU triplet names the compiler; the table below gives the processor
# name CMake reports for it and the emulator that runs its programs.
set(triple_processor_emulator
    "aarch64-linux-gnu aarch64 qemu-aarch64-static"
    "i686-linux-gnu i386 qemu-i386-static"
    "arm-linux-gnueabihf armv7l qemu-arm-static"
    "arm-linux-gnueabi arm qemu-arm-static"
    "riscv64-linux-gnu riscv64 qemu-riscv64-static"
    "s390x-linux-gnu s390x qemu-s390x-static"
    "powerpc64le-linux-gnu ppc64le qemu-ppc64le-static"
    "mips64el-linux-gnuabi64 mips64 qemu-mips64el-static")
# try_compile's projects read this file again and need the triplet too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MINITOOLS_CROSS_TRIPLE)
set(cross_processor "")
foreach(row ${triple_processor_emulator})
  string(REPLACE " " ";" row "${row}")
  list(GET row 0 triple)
  if(triple STREQUAL "${MINITOOLS_CROSS_TRIPLE}")
    list(GET row 1 cross_processor)
    list(GET row 2 cross_emulator)
  endif()
endforeach()
if(NOT cross_processor)
  message(FATAL_ERROR "MINITOOLS_CROSS_TRIPLE='${MINITOOLS_CROSS_TRIPLE}' is none of: ${triple_processor_emulator}")
endif()
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${cross_processor})
set(CMAKE_C_COMPILER ${MINITOOLS_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${MINITOOLS_CROSS_TRIPLE}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${cross_emulator} -L /usr/${MINITOOLS_CROSS_TRIPLE})

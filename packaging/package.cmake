# The Debian package: cpack -G DEB in the build folder. It holds the
# programs (stripped), their manual pages, the overview page, and the
# copyright and changelog files Debian asks for; it cannot be made without
# the manual pages.
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${CMAKE_CURRENT_LIST_DIR}/changelog ${changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME})

set(CPACK_PACKAGE_NAME minitools)
set(CPACK_PACKAGE_VENDOR "the minitools authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "eighteen small exact console programs over numbers, letters and words")
set(CPACK_PACKAGE_DESCRIPTION "\
Each program reads a FILE operand or standard input with the conversions of
scanf, computes one thing over integers, reals, characters, words or integer
arrays, and prints an exact answer, byte for byte. Bad input is reported with
the line it is on; every program has a manual page, and minitools(7) lists
them all.
.
The programs: modecull, pivotseek (integer arrays); centrelex, slotlex
(word lists); unshift, rotfive, letterstep (letter shifting); primepair,
digitgen, nodivisor, digitmean (integer searches); gridmark (a character
grid); piecefunc, crosspoint, gaplength, clocksplit, floatsub, floatratio
(formula calculators).")
set(CPACK_PACKAGE_CONTACT "minitools developers <dev@minitools.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34)")
# Debian's name for the target's architecture (a cross build is not the
# machine it is made on): from dpkg-architecture, given the target's GNU
# triplet (the compiler's multiarch folder, as arm-linux-gnueabi tells armel
# from armhf where the processor is "arm" for both); else from a table of
# processor names; else, for a native build, from dpkg. A target none of
# them knows builds and tests all the same, without a package.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "")
find_program(DPKG_ARCHITECTURE dpkg-architecture)
find_program(DPKG dpkg)
if(DPKG_ARCHITECTURE AND CMAKE_LIBRARY_ARCHITECTURE)
  execute_process(COMMAND ${DPKG_ARCHITECTURE} -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE dpkg_status ERROR_QUIET)
  if(NOT dpkg_status EQUAL 0)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "")
  endif()
endif()
set(debian_architectures "x86_64=amd64" "AMD64=amd64" "amd64=amd64" "aarch64=arm64" "arm64=arm64"
    "i386=i386" "i486=i386" "i586=i386" "i686=i386" "armv7l=armhf" "armhf=armhf" "armel=armel"
    "riscv64=riscv64" "s390x=s390x" "ppc64le=ppc64el" "mips64el=mips64el" "mipsel=mipsel"
    "loongarch64=loong64")
foreach(pair ${debian_architectures})
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 processor)
  list(GET pair 1 architecture)
  if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE AND CMAKE_SYSTEM_PROCESSOR STREQUAL processor)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${architecture})
  endif()
endforeach()
if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE AND NOT CMAKE_CROSSCOMPILING AND DPKG)
  execute_process(COMMAND ${DPKG} --print-architecture
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
endif()
if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
  message(STATUS "No Debian architecture known for processor '${CMAKE_SYSTEM_PROCESSOR}': no Debian package")
  return()
endif()
# The same archive for every build: times from the date of the sources,
# directories 0755 whatever the umask (files get their modes from install()).
set(CPACK_MINITOOLS_SOURCE_DATE_EPOCH ${MINITOOLS_SOURCE_DATE_EPOCH})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
# Checked when cpack runs: a package without manual pages is refused.
set(CPACK_MINITOOLS_PACKAGE_HAS_MAN_PAGES ${MINITOOLS_MAN_PAGES})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-check.cmake)
include(CPack)

# Read by cpack before it packages: the package needs the manual pages.
if(NOT CPACK_MINITOOLS_PACKAGE_HAS_MAN_PAGES)
  message(FATAL_ERROR "The package needs the manual pages, and they need help2man: "
                      "apt-get install help2man, then configure again")
endif()

# The archive's time stamps: the date of the sources, unless the caller set one.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_MINITOOLS_SOURCE_DATE_EPOCH})
endif()

# Links with lld where the compiler can use it: the test executables carry Qt
# and full debug information, and lld links them in about a third of the time
# the system linker takes. KORVIX_LINKER=default keeps the toolchain's own.
set(KORVIX_LINKER "lld" CACHE STRING "Linker for -fuse-ld (lld, or default for the toolchain's own)")

if(NOT KORVIX_LINKER STREQUAL "default")
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-fuse-ld=${KORVIX_LINKER}" KORVIX_LINKER_${KORVIX_LINKER}_USABLE)
  if(KORVIX_LINKER_${KORVIX_LINKER}_USABLE)
    add_link_options("-fuse-ld=${KORVIX_LINKER}")
  else()
    message(STATUS "Linker ${KORVIX_LINKER} not usable; linking with the toolchain's own")
  endif()
endif()

# What `cmake --install` puts below its prefix, and the Debian package made
# of the same (`cpack` in the build folder). The program finds its help and
# samples beside its own bin folder, so that any prefix works.
include(GNUInstallDirs)

set(KORVIX_PACKAGE_MAINTAINER "Korvix Developers <developers@korvix.example>" CACHE STRING
    "Maintainer named in the Debian package")
set(korvix_datadir ${CMAKE_INSTALL_DATADIR}/korvix)
set(korvix_docdir ${CMAKE_INSTALL_DATADIR}/doc/korvix)

install(TARGETS korvix kvxtool daqsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${korvix_datadir}/help)
install(FILES ${PROJECT_SOURCE_DIR}/Samples/Demo.kvx ${PROJECT_SOURCE_DIR}/Samples/demo-modules.txt
        DESTINATION ${korvix_datadir}/samples)
install(FILES ${PROJECT_SOURCE_DIR}/data/korvix.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The desktop entry and the MIME package are written by the code that writes
# them for one user, for the program's path below the prefix the install is
# given (which `cmake --install --prefix` may change after configuring), in
# a folder of each install's own, so that two at once do not meet.
install(CODE "
  string(RANDOM LENGTH 8 staging)
  set(staging \"${PROJECT_BINARY_DIR}/desktop-files-\${staging}\")
  file(MAKE_DIRECTORY \"\${staging}\")
  execute_process(COMMAND \"$<TARGET_FILE:korvix_desktop_files>\"
                          \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/korvix\" \"\${staging}\"
                  RESULT_VARIABLE written)
  if(NOT written EQUAL 0)
    message(FATAL_ERROR \"The desktop entry could not be made\")
  endif()
  file(INSTALL \"\${staging}/korvix.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  file(INSTALL \"\${staging}/korvix.xml\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime/packages\")
  file(REMOVE_RECURSE \"\${staging}\")
")

# Manual pages and the changelog go compressed, without time stamps, as
# Debian keeps them.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
set(korvix_compressed)
foreach(source IN ITEMS docs/man/korvix.1 docs/man/kvxtool.1 docs/man/daqsim.1 changelog)
  get_filename_component(name ${source} NAME)
  if(source STREQUAL "changelog")
    set(from ${PROJECT_BINARY_DIR}/packaging/changelog)
  else()
    set(from ${PROJECT_SOURCE_DIR}/${source})
  endif()
  set(to ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${to} COMMAND gzip -9 -n -c ${from} > ${to} DEPENDS ${from} VERBATIM)
  list(APPEND korvix_compressed ${to})
endforeach()
add_custom_target(korvix_packaging_files ALL DEPENDS ${korvix_compressed})
list(FILTER korvix_compressed EXCLUDE REGEX "changelog")
install(FILES ${korvix_compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${korvix_docdir})

# The Debian package: korvix_<version>_<arch>.deb. The libraries the
# program links come from dpkg-shlibdeps; the ones it opens itself when
# first needed (libcurl for transfers, the PulseAudio client for sounds),
# the fonts it prints with and the display plugins Qt needs are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvix)
set(CPACK_PACKAGE_VENDOR "The Korvix developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "operator screens for serial data-acquisition modules")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvix builds and runs operator screens for stackable serial
data-acquisition modules that share one serial port: pages of Data
Windows, gauges, lamps, counters, buttons and Chart Recorders that show
and set the modules' values, with Scripts, Conditionals, a data log, a web
log and e-mail reports. The package also holds daqsim, a simulated bank of
modules on a pseudo-terminal, and kvxtool, which checks and converts
project files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KORVIX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4, libpulse0, fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)

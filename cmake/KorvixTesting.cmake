# korvix_add_gtest(<name> SOURCES <files...> LIBS <targets...> [QT])
# One GoogleTest executable per subsystem. QT tests get a main that forces the
# offscreen platform, so neither discovery nor the run needs a display.
find_package(GTest REQUIRED)
include(GoogleTest)

function(korvix_add_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} korvix_qt_test_main GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gtest)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

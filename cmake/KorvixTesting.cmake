# korvix_add_gtest(<name> SOURCES <files...> LIBS <targets...> [QT] [SERIAL])
# One GoogleTest executable per subsystem. QT tests get a main that forces the
# offscreen platform, so neither discovery nor the run needs a display.
# SERIAL tests judge a recording by its time stamps; they run alone, so that
# the suite's own load does not stall them.
find_package(GTest REQUIRED)
include(GoogleTest)

function(korvix_add_gtest name)
  cmake_parse_arguments(ARG "QT;SERIAL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} korvix_qt_test_main GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gtest)
  endif()
  set(serial FALSE)
  if(ARG_SERIAL)
    set(serial TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" RUN_SERIAL ${serial})
endfunction()

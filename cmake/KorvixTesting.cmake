# korvix_add_gtest(<name> SOURCES <files...> LIBS <targets...> [QT] [SERIAL] [THREADS])
# One GoogleTest executable per subsystem. QT tests get a main that forces the
# offscreen platform, so neither discovery nor the run needs a display.
# SERIAL tests judge a recording by its time stamps; they run alone, so that
# the suite's own load does not stall them.
# THREADS tests start threads (in the code under test or in their peers); they
# carry the label "threads" and make up the ThreadSanitizer build, which builds
# the target korvix_thread_tests only.
find_package(GTest REQUIRED)
include(GoogleTest)

add_custom_target(korvix_thread_tests)

function(korvix_add_gtest name)
  cmake_parse_arguments(ARG "QT;SERIAL;THREADS" "" "SOURCES;LIBS" ${ARGN})
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
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen" RUN_SERIAL ${serial})
  if(ARG_THREADS)
    list(APPEND properties LABELS threads)
    add_dependencies(korvix_thread_tests ${name})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()

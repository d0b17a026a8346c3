# qb_add_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [TIMEOUT s])
# Builds one GoogleTest program and registers each of its tests with CTest.
# Every test runs headless (Qt offscreen) with a private runtime folder and a
# private home, so that no test touches the user's real settings or sockets.
function(qb_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} qb_testing GTest::gtest GTest::gmock)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${T_TIMEOUT}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QB_SOURCE_DIR=${CMAKE_SOURCE_DIR};QB_BIN_DIR=${CMAKE_BINARY_DIR}/bin;SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

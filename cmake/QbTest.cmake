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
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  # The rest of the test environment (SDL's dummy driver, the source and
  # program folders, sanitizer options) is set by the shared test main.
endfunction()

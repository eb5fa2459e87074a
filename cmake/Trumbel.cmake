# trumbel_test(NAME SOURCES... LIBS ...): one GoogleTest executable registered with ctest.
# Every test gets a private TRUMBEL_HOME so nothing touches the user's folders.
function(trumbel_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TRUMBEL_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    TRUMBEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name}
    # One variable per property: a ";" list would be split by the discovery script.
    PROPERTIES ENVIRONMENT "TRUMBEL_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/"
               ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen"
               LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 30)
endfunction()

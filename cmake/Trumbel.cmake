# trumbel_test(NAME [QT_MAIN] SOURCES... LIBS ...): one GoogleTest executable registered with
# ctest; QT_MAIN runs the tests inside a QApplication (offscreen unless the caller chose).
# Every test gets a private TRUMBEL_HOME so nothing touches the user's folders. OFFLINE runs each
# case through tests/support/offline, for tests that start the real program or its companions:
# nothing they do may leave this machine.
function(trumbel_test name)
  cmake_parse_arguments(T "QT_MAIN;OFFLINE" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_QT_MAIN)
    add_executable(${name} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/OffscreenQtMain.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets GTest::gtest)
  else()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    TRUMBEL_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    TRUMBEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  set(offline_properties)
  if(T_OFFLINE)
    # The one launcher prefix ctest and the case discovery both honour.
    set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR
      ${CMAKE_SOURCE_DIR}/tests/support/offline)
    set(offline_properties SKIP_RETURN_CODE 77)
  endif()
  gtest_discover_tests(${name}
    # One variable per property: a ";" list would be split by the discovery script.
    PROPERTIES ENVIRONMENT "TRUMBEL_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/"
               ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen"
               ${offline_properties}
               LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 30)
endfunction()

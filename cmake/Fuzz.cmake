# libFuzzer targets built with clang beside the main build, and run by ctest for a bounded time.
# Where clang or its fuzzer runtime is missing nothing is added; the seeded random-input tests
# built with the main compiler stand in for them.
include_guard(GLOBAL)

# Sets TRUMBEL_LIBFUZZER_WORKS (cached): whether clang can link a target with
# -fsanitize=fuzzer,address,undefined. Probed once per build folder.
function(trumbel_probe_libfuzzer)
  find_program(TRUMBEL_CLANGXX NAMES clang++ clang++-14)
  if(NOT TRUMBEL_CLANGXX OR DEFINED TRUMBEL_LIBFUZZER_WORKS)
    return()
  endif()
  set(probe ${CMAKE_BINARY_DIR}/fuzz_probe.cpp)
  file(WRITE ${probe} "#include <cstddef>\n#include <cstdint>\nextern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
  execute_process(
    COMMAND ${TRUMBEL_CLANGXX} -fsanitize=fuzzer,address,undefined ${probe} -o ${probe}.bin
    RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
  if(probe_result EQUAL 0)
    set(TRUMBEL_LIBFUZZER_WORKS ON CACHE BOOL "clang can link libFuzzer targets")
  else()
    set(TRUMBEL_LIBFUZZER_WORKS OFF CACHE BOOL "clang can link libFuzzer targets")
  endif()
endfunction()

# trumbel_fuzz_test(NAME SOURCES ... [INCLUDES ...] [LINK ...] SEED dir [SECONDS n])
# Builds NAME from SOURCES (paths relative to the source root) with clang, the fuzzer and the
# address and undefined-behaviour sanitizers, and registers a ctest run of SECONDS (default 20)
# from the SEED folder, labelled fuzz. A crash, a leak or a sanitizer report fails the test.
function(trumbel_fuzz_test name)
  cmake_parse_arguments(F "" "SEED;SECONDS" "SOURCES;INCLUDES;LINK" ${ARGN})
  trumbel_probe_libfuzzer()
  if(NOT TRUMBEL_CLANGXX OR NOT TRUMBEL_LIBFUZZER_WORKS)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 20)
  endif()
  set(sources "")
  foreach(source IN LISTS F_SOURCES)
    list(APPEND sources ${CMAKE_SOURCE_DIR}/${source})
  endforeach()
  set(includes -I${CMAKE_SOURCE_DIR})
  foreach(dir IN LISTS F_INCLUDES)
    list(APPEND includes -I${CMAKE_SOURCE_DIR}/${dir})
  endforeach()
  set(bin ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(
    OUTPUT ${bin}
    COMMAND ${TRUMBEL_CLANGXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined
            -fno-sanitize-recover=undefined ${includes} ${sources} ${F_LINK} -o ${bin}
    DEPENDS ${sources}
    COMMENT "Building the fuzz target ${name} with clang"
    VERBATIM)
  # The same target for long runs, with only the standard library's bounds checks: the address
  # and undefined-behaviour checks cost most of each input, so this one goes about five times as
  # fast. Run it on ${name}_corpus: what it finds is then replayed under every check by the
  # next ctest run of ${name}. Not run by ctest; bench/README.md says how.
  set(long_bin ${CMAKE_CURRENT_BINARY_DIR}/${name}_long)
  add_custom_command(
    OUTPUT ${long_bin}
    COMMAND ${TRUMBEL_CLANGXX} -std=c++20 -g -O2 -fsanitize=fuzzer -D_GLIBCXX_ASSERTIONS
            ${includes} ${sources} ${F_LINK} -o ${long_bin}
    DEPENDS ${sources}
    COMMENT "Building the long-run fuzz target ${name}_long with clang"
    VERBATIM)
  add_custom_target(${name}_build ALL DEPENDS ${bin} ${long_bin})
  # Each target keeps its own corpus, grown across runs in the build folder.
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            TRUMBEL_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/
            sh -c "mkdir -p \"$1\" && exec \"$0\" \"$1\" \"$2\" -max_total_time=$3 -timeout=5 -rss_limit_mb=1024 -print_final_stats=1"
            ${bin} ${corpus} ${F_SEED} ${F_SECONDS}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  math(EXPR limit "${F_SECONDS} * 6")
  # Alone: two sanitized fuzzers beside the X server tests would starve those of the CPU.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${limit} LABELS fuzz RUN_SERIAL TRUE)
endfunction()

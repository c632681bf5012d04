# Helpers for tests, fuzz targets and benchmarks.

# vexo_test(<name> SOURCES ... LIBS ... [LABELS ...] [ENV ...])
# A GoogleTest program registered with ctest as one test per TEST().
function(vexo_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    vexo_target(${name})
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "${ARG_ENV}" TIMEOUT 120)
endfunction()

# vexo_fuzzer(<name> SOURCES ... LIBS ... [CORPUS dir])
# With VEXO_FUZZ (clang) the program is a libFuzzer target. Otherwise it is
# built with a small driver that replays the seed corpus, and ctest runs that
# replay so that every parser keeps working on its seeds.
function(vexo_fuzzer name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    vexo_target(${name})
    set_property(GLOBAL APPEND PROPERTY VEXO_FUZZERS ${name})
    if(VEXO_FUZZ)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        # scripts/run-fuzzers.sh starts each target from its own seeds.
        if(ARG_CORPUS)
            file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.seeds "${ARG_CORPUS}")
        endif()
    else()
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/fuzz_replay_main.cpp)
        if(ARG_CORPUS)
            add_test(NAME fuzz_replay.${name} COMMAND ${name} ${ARG_CORPUS})
            set_tests_properties(fuzz_replay.${name} PROPERTIES LABELS fuzz TIMEOUT 120)
        endif()
    endif()
endfunction()

# vexo_benchmark(<name> SOURCES ... LIBS ...): built, never run by ctest.
function(vexo_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    vexo_target(${name})
    set_property(GLOBAL APPEND PROPERTY VEXO_BENCHMARKS ${name})
endfunction()

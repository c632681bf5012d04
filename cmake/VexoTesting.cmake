# Helpers for tests, fuzz targets and benchmarks.

# vexo_test(<name> SOURCES ... LIBS ... [LABELS ...] [ENV ...])
# A GoogleTest program registered with ctest as one test per TEST(). Tests
# run on Qt's offscreen platform, so a bare `ctest` needs no display.
function(vexo_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    vexo_target(${name})
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENV}"
        TIMEOUT 120)
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
            # Under the sanitizers the font caches Qt's offscreen panels make the
            # system font library allocate are not ours to free.
            set_tests_properties(fuzz_replay.${name} PROPERTIES LABELS fuzz TIMEOUT 120
                ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/fuzz/uidesc/lsan.supp")
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

# vexo_host_test(<name> SCRIPT file.js [SIMULATOR] [EXPECT_EXIT n]
#                [EXPECT_STDERR regex] [EXPECT_FILE name] [CHECK_DUMP]
#                [PROGID id] [ENV var=value ...] [DISABLED reason] [ARGS ...]
#                [SIMULATOR_ARGS ...] [CONFIG_ARG])
# Runs vexo-host with the host script in a fresh folder of its own (its own
# component registry and temp folder). With SIMULATOR a vexo-devsim is
# started first and vexo-host gets its address and credentials (host.device,
# host.user, host.password). host.args[0] is a folder for the script's
# output files, followed by ARGS. The test passes when vexo-host exits with
# EXPECT_EXIT (default 0), its error output matches EXPECT_STDERR, the output
# folder holds EXPECT_FILE and, with CHECK_DUMP, a crash dump of the module
# was written. DISABLED registers the test but skips it, printing the reason.
# The script's `sim` object reads the simulator's journal and runs vexo-cmd.
# SIMULATOR_ARGS go to vexo-devsim (e.g. --latency-ms 150). With CONFIG_ARG
# the device's batch configuration as `vexo-cmd config get` reads it is the
# script's last argument.
function(vexo_host_test name)
    cmake_parse_arguments(ARG "SIMULATOR;SECOND_SIMULATOR;CHECK_DUMP;CONFIG_ARG"
        "SCRIPT;EXPECT_EXIT;EXPECT_STDERR;EXPECT_FILE;PROGID;DISABLED"
        "ENV;ARGS;SIMULATOR_ARGS" ${ARGN})
    set(runner ${PROJECT_SOURCE_DIR}/tests/support/run_host_test.sh)
    set(command ${runner} --host $<TARGET_FILE:vexo-host>
        --script ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SCRIPT})
    if(ARG_SIMULATOR)
        list(APPEND command --simulator $<TARGET_FILE:vexo-devsim>
            --sim-cmd $<TARGET_FILE:vexo-cmd>)
    endif()
    if(ARG_SECOND_SIMULATOR)
        list(APPEND command --second-simulator)
    endif()
    foreach(simulator_arg IN LISTS ARG_SIMULATOR_ARGS)
        list(APPEND command --simulator-arg ${simulator_arg})
    endforeach()
    if(ARG_CONFIG_ARG)
        list(APPEND command --config-arg $<TARGET_FILE:vexo-cmd>)
    endif()
    if(DEFINED ARG_EXPECT_EXIT)
        list(APPEND command --expect-exit ${ARG_EXPECT_EXIT})
    endif()
    if(ARG_EXPECT_STDERR)
        list(APPEND command --expect-stderr ${ARG_EXPECT_STDERR})
    endif()
    if(ARG_EXPECT_FILE)
        list(APPEND command --expect-file ${ARG_EXPECT_FILE})
    endif()
    if(ARG_CHECK_DUMP)
        list(APPEND command --check-dump)
    endif()
    if(ARG_PROGID)
        list(APPEND command --progid ${ARG_PROGID})
    endif()
    if(ARG_DISABLED)
        list(APPEND command --skip "${ARG_DISABLED}")
    endif()
    add_test(NAME host.${name} COMMAND ${command} -- ${ARG_ARGS})
    set_tests_properties(host.${name} PROPERTIES
        LABELS gui TIMEOUT 120 SKIP_RETURN_CODE 77
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENV}")
endfunction()

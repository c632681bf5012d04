# Build rules shared by every target of the project.

set(VEXO_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter)

if(VEXO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# In a fuzz build every library carries coverage instrumentation, so that
# libFuzzer sees the parsers' branches, not only the fuzz entry points.
if(VEXO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# A coverage build instruments every target with gcc's line counters;
# `make coverage` runs the tests and reports from them. Without optimisation
# so that each source line maps to its own counters.
option(VEXO_COVERAGE "Build with gcc line coverage instrumentation" OFF)
if(VEXO_COVERAGE)
    add_compile_options(--coverage -O0)
    add_link_options(--coverage)
endif()

# vexo_target(<target>): warnings as errors for the project's own code.
function(vexo_target target)
    target_compile_options(${target} PRIVATE ${VEXO_WARNINGS})
endfunction()

# vexo_library(<name> <STATIC|SHARED> SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
function(vexo_library name kind)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} ${kind} ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    vexo_target(${name})
endfunction()

# Windows-side tests of the cross build, run under Wine in the private test environment of
# tools/wine-env (Xvfb, a PulseAudio null sink in the program's own format, a Wine prefix
# of its own). Included by tests/windows/win32 and tests/windows/e2e.
#
#   orvanta_add_wine_gtest(<target> [<source>...])
#       Builds a Windows GoogleTest program (gtest_main and gmock linked, -static) and
#       registers it as the test "<target>" run under Wine in the environment.
#   orvanta_add_wine_test(NAME <name> COMMAND <target> [<arg>...]
#                         [ENVIRONMENT <VAR=value>...] [TIMEOUT <seconds>] [NO_SOUND])
#       Registers another run of a Windows program in the environment, e.g. a gtest filter.
#       NO_SOUND runs it with no PulseAudio server reachable (Wine then offers no
#       wave-input device).
#
# Every such test requires the fixture "wine_env" (the tests wine_env.start and
# wine_env.stop) and holds the resource lock "wine_env", so they run one at a time.
# The environment lives in ORVANTA_WINE_ENV_DIR (<build>/wine-env); source its env.sh to
# run a program there by hand, or use tools/wine-env/run-in-env.sh <dir> <program.exe>.
# Wine's own logging is off; ORVANTA_WINEDEBUG=<channels> (e.g. +winmm) turns it on.
set(ORVANTA_WINE_TOOLS ${PROJECT_SOURCE_DIR}/tools/wine-env)
set(ORVANTA_WINE_ENV_DIR ${CMAKE_BINARY_DIR}/wine-env)
set(ORVANTA_WINE_EMULATOR ${ORVANTA_WINE_TOOLS}/run-in-env.sh ${ORVANTA_WINE_ENV_DIR})
# Programs of this build that run on their own (add_test with a target, try_run) go
# through the environment as well.
set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANTA_WINE_EMULATOR})

# The fixture and GoogleTest exist once, whichever folder includes this first.
get_property(orvanta_wine_tests_ready GLOBAL PROPERTY ORVANTA_WINE_TESTS_READY)
if(orvanta_wine_tests_ready)
    return()
endif()
set_property(GLOBAL PROPERTY ORVANTA_WINE_TESTS_READY TRUE)

add_test(NAME wine_env.start COMMAND ${ORVANTA_WINE_TOOLS}/start.sh ${ORVANTA_WINE_ENV_DIR})
add_test(NAME wine_env.stop COMMAND ${ORVANTA_WINE_TOOLS}/stop.sh ${ORVANTA_WINE_ENV_DIR})
# The first start creates the Wine prefix, which takes a while on a slow machine.
set_tests_properties(wine_env.start PROPERTIES
    FIXTURES_SETUP wine_env RESOURCE_LOCK wine_env TIMEOUT 900 LABELS wine)
set_tests_properties(wine_env.stop PROPERTIES
    FIXTURES_CLEANUP wine_env RESOURCE_LOCK wine_env TIMEOUT 300 LABELS wine)

# GoogleTest for Windows, from Debian's sources, built once for all test programs.
if(NOT TARGET gtest)
    set(ORVANTA_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build for Windows")
    if(NOT EXISTS ${ORVANTA_GTEST_SOURCE_DIR}/CMakeLists.txt)
        message(FATAL_ERROR "No GoogleTest sources in ${ORVANTA_GTEST_SOURCE_DIR} (apt-get install googletest)")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${ORVANTA_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

function(orvanta_set_wine_test_properties name)
    cmake_parse_arguments(arg "NO_SOUND" "TIMEOUT" "ENVIRONMENT" ${ARGN})
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 600)
    endif()
    set(environment ${arg_ENVIRONMENT})
    if(arg_NO_SOUND)
        list(APPEND environment ORVANTA_NO_PULSE=1)
    endif()
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED wine_env
        RESOURCE_LOCK wine_env
        TIMEOUT ${arg_TIMEOUT}
        LABELS wine
        ENVIRONMENT "${environment}")
endfunction()

function(orvanta_add_wine_gtest target)
    add_executable(${target} ${ARGN})
    target_link_libraries(${target} PRIVATE GTest::gmock GTest::gtest GTest::gtest_main orvanta_warnings)
    if(MINGW)
        # No mingw runtime DLLs to find under Wine.
        target_link_options(${target} PRIVATE -static)
    endif()
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${ORVANTA_WINE_EMULATOR}")
    add_test(NAME ${target} COMMAND ${target} --gtest_color=no
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    orvanta_set_wine_test_properties(${target})
endfunction()

function(orvanta_add_wine_test)
    cmake_parse_arguments(arg "NO_SOUND" "NAME;TIMEOUT" "COMMAND;ENVIRONMENT" ${ARGN})
    if(NOT arg_NAME OR NOT arg_COMMAND)
        message(FATAL_ERROR "orvanta_add_wine_test: NAME and COMMAND are required")
    endif()
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set(pass ENVIRONMENT ${arg_ENVIRONMENT})
    if(arg_NO_SOUND)
        list(APPEND pass NO_SOUND)
    endif()
    if(arg_TIMEOUT)
        list(APPEND pass TIMEOUT ${arg_TIMEOUT})
    endif()
    orvanta_set_wine_test_properties(${arg_NAME} ${pass})
endfunction()

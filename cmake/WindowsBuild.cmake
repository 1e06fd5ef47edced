# Builds the Windows half with the MinGW toolchains as sub-builds and adds
# its Wine tests to this CTest run.
#
# The 32-bit build is the product. The 64-bit build of the same sources runs
# under 64-bit Wine on machines that refuse 32-bit programs, and catches
# pointer-size faults. The Wine tests run under every Wine this machine runs.
include(ExternalProject)

function(tarnwick_add_windows_build name toolchain)
    ExternalProject_Add(${name}
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/${name}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/${toolchain}
                   -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON
        INSTALL_COMMAND "")
endfunction()

tarnwick_add_windows_build(windows mingw-i686.cmake)
tarnwick_add_windows_build(windows64 mingw-x86_64.cmake)

# The shipped DLL is checked as a file on every machine, whichever Wine runs.
add_test(NAME dll.shipped
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/dll/check_shipped_dll.py
            ${CMAKE_BINARY_DIR}/windows/bin/tarnwick.dll)
# So is the release archive made of it, as a user downloads it.
add_test(NAME package.zip
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/package ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/dist)

# The Wine kinds come from the same rule as the scripts' (scripts/wine-arch).
execute_process(
    COMMAND sh -c ". '${CMAKE_SOURCE_DIR}/scripts/wine-arch' && wine_arches"
    OUTPUT_VARIABLE TARNWICK_WINE_ARCHES
    ERROR_VARIABLE wine_arch_error
    RESULT_VARIABLE wine_arch_result
    OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT wine_arch_result EQUAL 0)
    message(FATAL_ERROR "No Wine to run the Windows-side tests: ${wine_arch_error}")
endif()
string(REPLACE "\n" ";" TARNWICK_WINE_ARCHES "${TARNWICK_WINE_ARCHES}")
message(STATUS "Wine tests run under: ${TARNWICK_WINE_ARCHES}")

foreach(arch ${TARNWICK_WINE_ARCHES})
    set(session ${CMAKE_BINARY_DIR}/wine-session-${arch})
    add_test(NAME wine.${arch}.start
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-session start ${session} ${arch})
    add_test(NAME wine.${arch}.stop
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-session stop ${session})
    set_tests_properties(wine.${arch}.start PROPERTIES FIXTURES_SETUP wine-${arch} TIMEOUT 180)
    set_tests_properties(wine.${arch}.stop PROPERTIES FIXTURES_CLEANUP wine-${arch} TIMEOUT 60)
endforeach()

# One group of test suites of the Windows-side test program, as its own
# entry under each Wine kind; a dialog left open fails it at the timeout.
#   tarnwick_add_wine_test(name FILTER gtest-filter [TIMEOUT s] [ENVIRONMENT ...])
function(tarnwick_add_wine_test name)
    cmake_parse_arguments(arg "" "FILTER;TIMEOUT" "ENVIRONMENT" ${ARGN})
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 300)
    endif()
    foreach(arch ${TARNWICK_WINE_ARCHES})
        if(arch STREQUAL "win32")
            set(bin ${CMAKE_BINARY_DIR}/windows/bin)
        else()
            set(bin ${CMAKE_BINARY_DIR}/windows64/bin)
        endif()
        add_test(NAME wine.${arch}.${name}
            COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run ${CMAKE_BINARY_DIR}/wine-session-${arch}
                    ${bin}/wine_tests.exe --gtest_filter=${arg_FILTER})
        set_tests_properties(wine.${arch}.${name} PROPERTIES
            FIXTURES_REQUIRED wine-${arch} RESOURCE_LOCK wine-${arch}
            TIMEOUT ${arg_TIMEOUT} ENVIRONMENT "${arg_ENVIRONMENT}")
    endforeach()
endfunction()

include(${CMAKE_SOURCE_DIR}/tests/wine/WineTests.cmake)

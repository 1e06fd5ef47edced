# Builds the Windows half with the MinGW toolchain as a sub-build and adds
# its Wine tests to this CTest run.
include(ExternalProject)

set(TARNWICK_WINDOWS_BUILD_DIR ${CMAKE_BINARY_DIR}/windows)
ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${TARNWICK_WINDOWS_BUILD_DIR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
               -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")

set(TARNWICK_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run)
set(TARNWICK_WINE_ENV ${CMAKE_BINARY_DIR}/wine-env)

add_test(NAME wine.start
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-session start ${TARNWICK_WINE_ENV})
add_test(NAME wine.stop
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-session stop ${TARNWICK_WINE_ENV})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

# A Windows-side test program, run under Wine in the shared session.
function(tarnwick_add_wine_test name)
    add_test(NAME wine.${name}
        COMMAND ${TARNWICK_WINE_RUN} ${TARNWICK_WINE_ENV} ${ARGN})
    set_tests_properties(wine.${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine-display)
endfunction()

include(${CMAKE_SOURCE_DIR}/tests/wine/WineTests.cmake)

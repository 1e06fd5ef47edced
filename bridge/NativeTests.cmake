# The bridge's portable parts join the native test program.
file(GLOB bridge_portable CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bridge/*.cpp)
target_sources(native_tests PRIVATE ${bridge_portable})
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR})

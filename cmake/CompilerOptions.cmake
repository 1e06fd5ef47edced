# Sources are UTF-8; every narrow literal is Shift-JIS in the binary.
function(tarnwick_target_options target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8 /source-charset:utf-8
                               /execution-charset:.932)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -finput-charset=UTF-8
                               -fexec-charset=CP932)
    endif()
endfunction()

# The DLL and the Windows programs carry their runtime inside: the user copies one file.
function(tarnwick_static_runtime target)
    if(MINGW)
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    elseif(MSVC)
        set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    endif()
endfunction()

option(TARNWICK_SANITIZE "Build the native tests with ASan and UBSan" OFF)
option(TARNWICK_FUZZ "Build the fuzzers of fuzz/ (native, with ASan and UBSan)" OFF)

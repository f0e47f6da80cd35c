# Hard warnings for everything we write; third-party code (GoogleTest) is left alone.
function(calvorin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
        -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
    # GCC 12 reports std::string copies as overlapping memcpy at -O3 (its bug 105329).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(CALVORIN_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

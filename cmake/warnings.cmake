# Hard warnings for everything we write; third-party code (GoogleTest) is left alone.
function(calvorin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
        -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
    if(CALVORIN_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

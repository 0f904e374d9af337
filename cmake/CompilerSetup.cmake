# Compiler cache, warnings and the project-wide helper korveld_set_warnings().
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

function(korveld_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(KORVELD_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Compiler cache, warnings and the project-wide helper korveld_set_warnings().
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

# Warnings as errors come from CMake's own switch, as CI sets it: -DCMAKE_COMPILE_WARNING_AS_ERROR=ON.
function(korveld_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer over everything we compile; any report stops the
# program. Float division by zero and out-of-range float conversions count as faults here.
if(KORVELD_SANITIZE)
    set(KORVELD_SANITIZER_FLAGS -fsanitize=address,undefined,float-divide-by-zero,float-cast-overflow
                                -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${KORVELD_SANITIZER_FLAGS})
    add_link_options(${KORVELD_SANITIZER_FLAGS})
endif()

# Coverage-guided fuzzing with libFuzzer needs clang: the libraries get the coverage
# instrumentation, the fuzz targets link the fuzzer's own main.
if(KORVELD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "KORVELD_FUZZ needs clang (configure with CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# The hardening Debian gives the programs of its own packages: fortified C library calls in
# optimized builds (not with the sanitizers, which check those calls themselves), and the symbols
# bound at start so the whole relocation table can be made read-only. WebAssembly has neither a
# fortified C library nor a relocation table.
if(NOT KORVELD_SANITIZE AND NOT EMSCRIPTEN)
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()
if(NOT EMSCRIPTEN)
    add_link_options(LINKER:-z,now)
endif()

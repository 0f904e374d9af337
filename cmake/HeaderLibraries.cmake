# Header-only libraries from Debian: {fmt} and fast_float for the floating-point text of the engine,
# nlohmann-json for korveld-cli's JSON. The browser build's compiler brings its own C library, so it
# must not see /usr/include as a whole (its C headers would shadow its own): it gets a folder of
# links to these libraries' folders only.
set(KORVELD_SYSTEM_INCLUDE_DIR /usr/include CACHE PATH "Where the Debian header-only libraries are installed")

add_library(korveld_float_text_headers INTERFACE)
target_compile_definitions(korveld_float_text_headers INTERFACE FMT_HEADER_ONLY)

if(EMSCRIPTEN)
    set(KORVELD_HEADER_LINKS ${CMAKE_BINARY_DIR}/header-libraries)
    file(MAKE_DIRECTORY ${KORVELD_HEADER_LINKS})
    foreach(folder fmt fast_float nlohmann)
        if(NOT EXISTS ${KORVELD_SYSTEM_INCLUDE_DIR}/${folder})
            message(FATAL_ERROR "${KORVELD_SYSTEM_INCLUDE_DIR}/${folder} is missing: run scripts/install-deps.sh")
        endif()
        file(CREATE_LINK ${KORVELD_SYSTEM_INCLUDE_DIR}/${folder} ${KORVELD_HEADER_LINKS}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(korveld_float_text_headers SYSTEM INTERFACE ${KORVELD_HEADER_LINKS})
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${KORVELD_HEADER_LINKS})
else()
    find_path(KORVELD_FMT_INCLUDE_DIR fmt/format.h REQUIRED)
    find_path(KORVELD_FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h REQUIRED)
    target_include_directories(korveld_float_text_headers SYSTEM INTERFACE ${KORVELD_FMT_INCLUDE_DIR}
                                                                           ${KORVELD_FAST_FLOAT_INCLUDE_DIR})
    find_package(nlohmann_json CONFIG REQUIRED)
endif()

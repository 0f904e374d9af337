# The page module (the window models, the bridge and korveld-cli compiled to WebAssembly) and the
# site folder build-web/site: the page, its styles, icon, manifest and service worker.
set(KORVELD_SITE_DIR ${CMAKE_BINARY_DIR}/site)

add_executable(korveld-page page_module.cpp)
target_link_libraries(korveld-page PRIVATE korveld_web_bridge)
set_target_properties(korveld-page PROPERTIES OUTPUT_NAME korveld SUFFIX ".js"
                                              RUNTIME_OUTPUT_DIRECTORY ${KORVELD_SITE_DIR})
target_link_options(korveld-page PRIVATE
    -sMODULARIZE=1
    -sEXPORT_NAME=createKorveld
    -sENVIRONMENT=web
    -sALLOW_MEMORY_GROWTH=1
    -sEXPORTED_FUNCTIONS=_main,_korveld_request,_korveld_cli,_malloc,_free
    -sEXPORTED_RUNTIME_METHODS=cwrap
    # A handler that asks the user a question suspends until the page's box is answered: only the
    # two imports of page_module.cpp wait.
    -sASYNCIFY=1
    -sASYNCIFY_IMPORTS=__asyncjs__korveld_page_ask,__asyncjs__korveld_page_read_picked
)
korveld_set_warnings(korveld-page)

set(KORVELD_PAGE_FILES index.html page.js page.css icon.svg manifest.webmanifest)
set(site_files "")
foreach(file IN LISTS KORVELD_PAGE_FILES)
    add_custom_command(OUTPUT ${KORVELD_SITE_DIR}/${file}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${KORVELD_SITE_DIR}/${file}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    list(APPEND site_files ${KORVELD_SITE_DIR}/${file})
endforeach()
# The help file is copied into the site beside the page by korveld_site_help.

set(cached ${KORVELD_PAGE_FILES} PALDEN.HLP korveld.js korveld.wasm)
string(REPLACE ";" "\\;" cached_argument "${cached}")
add_custom_command(OUTPUT ${KORVELD_SITE_DIR}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${KORVELD_SITE_DIR} -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/sw.js.in
            "-DFILES=${cached_argument}" -P ${CMAKE_CURRENT_SOURCE_DIR}/stamp_site.cmake
    DEPENDS ${site_files} korveld-page korveld_site_help ${CMAKE_CURRENT_SOURCE_DIR}/sw.js.in ${CMAKE_CURRENT_SOURCE_DIR}/stamp_site.cmake)
add_custom_target(korveld_site ALL DEPENDS ${KORVELD_SITE_DIR}/sw.js)

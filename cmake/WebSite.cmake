# The browser edition's site: build-web/site/ holds everything a static file server hands out. The
# page and its adapter come from web/; the help file is copied beside them, as next to the program.
set(KORVELD_SITE_DIR ${CMAKE_BINARY_DIR}/site)
file(MAKE_DIRECTORY ${KORVELD_SITE_DIR})
add_custom_command(
    OUTPUT ${KORVELD_SITE_DIR}/PALDEN.HLP
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/help/PALDEN.HLP ${KORVELD_SITE_DIR}/PALDEN.HLP
    DEPENDS ${PROJECT_SOURCE_DIR}/help/PALDEN.HLP
    COMMENT "Copying the help file into the site"
)
add_custom_target(korveld_site_help ALL DEPENDS ${KORVELD_SITE_DIR}/PALDEN.HLP)

if(EXISTS ${PROJECT_SOURCE_DIR}/web/CMakeLists.txt)
    add_subdirectory(web)
endif()

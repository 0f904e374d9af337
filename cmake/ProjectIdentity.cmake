# Who publishes KORVELD, under what licence and under which name it is listed: one place for what
# the Debian package, the software-centre listing and the --version texts of both programs say.
set(KORVELD_DOMAIN korveld.org)
set(KORVELD_HOMEPAGE "https://${KORVELD_DOMAIN}/")
set(KORVELD_CONTACT_EMAIL "maintainers@${KORVELD_DOMAIN}")
set(KORVELD_MAINTAINER "The KORVELD developers <${KORVELD_CONTACT_EMAIL}>")
# The reverse domain name that desktops know the program by: the desktop entry is
# ${KORVELD_APP_ID}.desktop and the software-centre listing has the same id.
set(KORVELD_APP_ID org.korveld.Korveld)
set(KORVELD_LICENSE_SPDX MIT)

# The copyright line is LICENSE's own ("Copyright (c) 2026 The KORVELD developers"), so the year and
# the holder are written once.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE KORVELD_COPYRIGHT REGEX "^Copyright \\(c\\) .+$" LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) " "" KORVELD_COPYRIGHT "${KORVELD_COPYRIGHT}")
if(NOT KORVELD_COPYRIGHT)
    message(FATAL_ERROR "LICENSE has no line \"Copyright (c) YEAR HOLDER\"")
endif()

# generated/project_identity.h: what both programs print with --version, and the desktop name.
configure_file(${CMAKE_CURRENT_LIST_DIR}/project_identity.h.in ${PROJECT_BINARY_DIR}/include/generated/project_identity.h @ONLY)
add_library(korveld_project_identity INTERFACE)
target_include_directories(korveld_project_identity INTERFACE ${PROJECT_BINARY_DIR}/include)

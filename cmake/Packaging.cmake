# The Debian package: `make package` (cpack -G DEB in the build folder). Its dependencies are the
# Debian packages of the shared libraries the programs link, found by dpkg-shlibdeps. Its copyright
# file, changelog and software-centre listing are made in packaging/CMakeLists.txt.
#
# lintian (tests/package) reports no error and no warning. The informational tags that stay:
#   spelling-error-in-binary (correect, occured): in messages the worksheets show word for word as
#     the program has always shown them, slips included.
#   binary-has-unneeded-section .comment: the compiler's version line, which the strip CPack runs
#     keeps (Debian's own dh_strip removes it); a few dozen bytes, nothing else.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korveld)
set(CPACK_PACKAGE_VENDOR "The KORVELD developers")
set(CPACK_PACKAGE_CONTACT "${KORVELD_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "capacity and selection of thermostatic expansion valves")
set(CPACK_PACKAGE_DESCRIPTION
    "KORVELD rates every size of a thermostatic expansion valve series at the
conditions of a refrigeration system, and selects the one size whose 65 to 110
per cent operating window holds a required capacity. Ten refrigerants,
eighteen valve series, English and metric units. The package holds the
desktop program korveld and the command-line companion korveld-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KORVELD_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program names classic fonts and falls back to these metric-compatible faces.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core")
include(CPack)

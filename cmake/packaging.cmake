# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh). Its library
# dependencies come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so
# dpkg-shlibdeps cannot see them and they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lxtervan)
set(CPACK_PACKAGE_VENDOR LxTervan)
set(CPACK_PACKAGE_CONTACT "LxTervan developers <developers@lxtervan.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-sample t-test calculator from summary statistics")
set(CPACK_PACKAGE_DESCRIPTION
    "Type N, mean and SD of two sets of observations: the window shows the degrees of freedom, "
    "t and the class of p, and on F6 the full report: exact p, Student and Welch, confidence "
    "intervals, Cohen's d and Hedges' g. lxtervan-batch runs the same over a whole table.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://lxtervan.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)

# Debian's machine-readable copyright file, which every package carries in its doc folder.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lxtervan)

# `cpack -G DEB` in the default build tree makes quorvane_<version>_<arch>.deb from what
# `cmake --install` puts under /usr: the tool and quorvane-batch (linked into /usr/bin) with the
# database and help page beside them, the desktop entry and icons, the engine library with its
# header, CMake package and pkg-config file, the man pages of the programs on the PATH, the
# code's licence and a short read-me in Chinese.
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/quorvane"
        RENAME copyright)
install(FILES "${PROJECT_SOURCE_DIR}/docs/package/README.zh.txt"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/quorvane")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quorvane")
set(CPACK_PACKAGE_VENDOR "Velbrin")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Offline bulk IPv4 geolocation (desktop tool, batch command, engine library)")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvane resolves lists of IPv4 addresses to country, province, city and provider against
a local region database shipped with it, without any network. It has a Qt 6 desktop tool
with a Chinese user interface, the batch command quorvane-batch, and the search engine as a
C library with a header, a CMake package and a pkg-config file.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velbrin <quorvane@velbrin.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "net")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The shared libraries the programs link (Qt 6, the C++ runtime) come from dpkg-shlibdeps; what
# they only load at run time is named here: a CJK font, or every Chinese text is a row of boxes,
# and Qt's own Chinese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei, qt6-translations-l10n")
include(CPack)

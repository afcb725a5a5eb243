# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package of everything `cmake --install` puts under /usr: `cpack -G DEB` in the
# build tree writes quellabox_<version>_<arch>.deb. Included last, so every install rule
# is known.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quellabox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
  "Quellabox maintainers <maintainers@vantosh.example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries come from dpkg-shlibdeps. No linker sees the platform plugins or the font
# the dialogs ask for, both loaded at run time (bookworm ships the X11 plugin with
# libqt6gui6, other releases in qt6-qpa-plugins); the music needs no plugin, as
# libqt6multimedia6 plays it through PulseAudio itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei, fonts-wqy-zenhei")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard reaction game: type the key shown before the tick")
# lintian wants the long description within 80 columns, its leading space included.
set(CPACK_PACKAGE_DESCRIPTION "VANTOSH shows one big key; type it into the small box
before the next tick. Every tick counts a hit or ends the game and gets a
little faster. Random mode draws keys from A S D J K L until the first miss
and keeps your best score; Fixed mode plays the keys of a key file in order.
The vts-make command writes key files and tells what the game will read.")
# What Debian asks beyond the install is added to the staged tree (deb_staging.cmake).
set(CPACK_QUELLABOX_COPYRIGHT_FILE ${CMAKE_CURRENT_LIST_DIR}/copyright)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb_staging.cmake)
include(CPack)

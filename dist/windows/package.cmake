# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows player gets, in one folder: the game and its music side by side (it looks
# for the music beside itself), vts-make, the sample key files, the licence and a read-me.
install(TARGETS Quellabox vts-make RUNTIME DESTINATION .)
install(FILES ${QUELLABOX_MUSIC_FILE} DESTINATION .)
install(DIRECTORY ${QUELLABOX_EXAMPLE_DIR}/ DESTINATION examples FILES_MATCHING PATTERN "*.vts"
  PATTERN CMakeFiles EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/README.txt DESTINATION .)

# cpack makes quellabox-<version>-win64.zip, the folder to unpack anywhere, and
# quellabox-<version>-win64.exe, an installer for the player alone: no administrator
# rights, into %LOCALAPPDATA%\Programs\Quellabox, with a Start-menu entry and an uninstaller
# in the installed-programs list. The installer's script is ours (NSIS.template.in here).
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Quellabox)
set(CPACK_PACKAGE_VENDOR "Quellabox maintainers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME quellabox-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quellabox)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quellabox)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_DISPLAY_NAME Quellabox)
set(CPACK_QUELLABOX_TITLE VANTOSH)
set(CPACK_QUELLABOX_RUNNING_MUTEX ${QUELLABOX_RUNNING_MUTEX})
set(CPACK_NSIS_PACKAGE_NAME "${CPACK_QUELLABOX_TITLE} ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_INSTALLED_ICON_NAME Quellabox.exe)
set(CPACK_NSIS_MUI_ICON ${QUELLABOX_ICON_FILE})
set(CPACK_NSIS_MUI_UNIICON ${QUELLABOX_ICON_FILE})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
include(CPack)

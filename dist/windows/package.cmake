# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows player gets, in one folder: the game and its music side by side (it looks
# for the music beside itself), vts-make, the sample key files, the licence and a read-me.
install(TARGETS Quellabox vts-make RUNTIME DESTINATION .)
install(FILES ${QUELLABOX_MUSIC_FILE} DESTINATION .)
install(DIRECTORY ${QUELLABOX_EXAMPLE_DIR}/ DESTINATION examples FILES_MATCHING PATTERN "*.vts")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/README.txt DESTINATION .)

# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# A build for another system cannot run what it builds. The generated assets (the icon, the
# help picture, the music and the sample key files) come from this project built natively
# beside it with QUELLABOX_ASSETS_ONLY: the same generators and the same vts-make.
# Builds for two other systems side by side (Windows and the browser in one test run) may
# share one such build: QUELLABOX_NATIVE_ASSETS names its folder.
include(ExternalProject)
set(QUELLABOX_NATIVE_ASSETS ${CMAKE_BINARY_DIR}/native-assets CACHE PATH
  "The folder of the native build that makes the generated assets")
set(native ${QUELLABOX_NATIVE_ASSETS})
set(QUELLABOX_ICON_FILE ${native}/res/icon${QUELLABOX_ICON_ID}.ico)
set(QUELLABOX_HELP_BITMAP_FILE ${native}/res/help${QUELLABOX_HELP_BITMAP_ID}.bmp)
set(QUELLABOX_MUSIC_FILE ${native}/bin/BackgroundMusic.wav)
set(QUELLABOX_EXAMPLE_DIR ${native}/examples)
ExternalProject_Add(quellabox_native_assets
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${native}
  CMAKE_ARGS -DQUELLABOX_ASSETS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  # Its own build decides what is out of date.
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${QUELLABOX_ICON_FILE} ${QUELLABOX_HELP_BITMAP_FILE} ${QUELLABOX_MUSIC_FILE})

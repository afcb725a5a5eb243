// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A font as the program asks for it: a face by name and a cell height in pixels.
struct FontSpec {
  int height;
  const char* face;  // UTF-8
};

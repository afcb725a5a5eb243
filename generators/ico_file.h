// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "generators/indexed_image.h"

// A complete .ico file holding the given pictures in order, each a 16-colour DIB with a
// 1-bit mask that marks its transparent pixels. Pictures are at most 256 pixels a side.
std::vector<std::uint8_t> IcoFile(const std::vector<IndexedImage>& images);

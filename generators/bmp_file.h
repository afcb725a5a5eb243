// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "generators/indexed_image.h"

// A complete .bmp file: file header, then the 4-bit DIB.
std::vector<std::uint8_t> BmpFile(const IndexedImage& image);

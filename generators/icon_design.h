// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generators/indexed_image.h"

// The program's icon at `size` pixels square: six grey squares framed in black, in two
// rows of three, on a transparent ground. The same drawing serves the .ico and the
// larger renderings for the desktop, so they always agree.
IndexedImage DrawIcon(int size);

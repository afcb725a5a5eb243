// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam/font_spec.h"

// The big fonts of the game window and the start dialog's title, as cell heights.
constexpr FontSpec kDisplayFont{96, "微软雅黑"};
constexpr FontSpec kHintFont{16, "微软雅黑"};
constexpr FontSpec kTitleFont{42, "微软雅黑"};

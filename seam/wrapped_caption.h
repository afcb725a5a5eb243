// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

// The caption of a button that may wrap: as it is when it fits the room, else broken in two
// lines at the last blank that lets the first line fit. Every host breaks it itself, so the
// lines are the same wherever the system's own wrapping would break them otherwise (Wine's
// breaks at every blank). `width` measures a text in the button's font.
std::string WrappedCaption(const std::string& caption, int room,
                           const std::function<int(const std::string&)>& width);

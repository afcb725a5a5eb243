// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The big display during play shows the key to type, with "*" behind it when the new key
// reads the same as the whole previous display; a run of one key thus alternates between
// the plain and the marked form, and the display changes on every tick.
std::string NextDisplay(const std::string& previousDisplay, const std::string& key);

// A hit: the typed text, upper-cased, is exactly the key shown, marker left aside.
bool IsHit(const std::string& upperTyped, const std::string& display);

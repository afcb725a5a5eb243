// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/key_display.h"

#include "data/key_text.h"

namespace {
constexpr char kRepeatMarker[] = "*";
}  // namespace

std::string NextDisplay(const std::string& previousDisplay, const std::string& key) {
  return previousDisplay == key ? key + kRepeatMarker : key;
}

bool IsHit(const std::string& upperTyped, const std::string& display) {
  return upperTyped == FirstCharacter(display);
}

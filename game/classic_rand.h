// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The linear congruential generator of the classic C library example. The program keeps
// its own copy instead of std::rand so that a given seed draws the same keys on every
// platform, and tests can pin the keys of a game to the second it is played in.
class ClassicRand {
 public:
  explicit ClassicRand(std::uint32_t seed) : m_next(seed) {}

  // The next value, 0 to 32767.
  int Next();

 private:
  std::uint32_t m_next;
};

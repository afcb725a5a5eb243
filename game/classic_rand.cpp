// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/classic_rand.h"

int ClassicRand::Next() {
  m_next = m_next * 1103515245u + 12345u;
  return static_cast<int>((m_next / 65536u) % 32768u);
}

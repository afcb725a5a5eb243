// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dialog units as the desktop's dialog manager counts them, from the dialog font: across, a
// quarter of its average letter width; down, an eighth of its line height. Every host that
// lays a template out itself turns its rectangles into pixels by this rule.
class DialogUnits {
 public:
  // From the width of the 52 letters A-Z and a-z set side by side and the line height, in
  // pixels.
  DialogUnits(int lettersWidth, int lineHeight)
      : m_baseX((lettersWidth / 26 + 1) / 2), m_baseY(lineHeight) {}

  int X(int units) const { return (units * m_baseX + 2) / 4; }
  int Y(int units) const { return (units * m_baseY + 4) / 8; }

 private:
  int m_baseX;
  int m_baseY;
};

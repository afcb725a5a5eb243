// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/resource_images.h"

QString ResourceImagePath(ControlKind kind, int id) {
  return kind == ControlKind::Icon ? QStringLiteral(":/res/icon%1.ico").arg(id)
                                   : QStringLiteral(":/res/bitmap%1.bmp").arg(id);
}

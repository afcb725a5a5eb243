// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "res/dialog_template.h"

// The Qt resource path of a picture control's image: its icon or bitmap by resource id.
QString ResourceImagePath(ControlKind kind, int id);

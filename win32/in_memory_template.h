// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <vector>

#include "res/dialog_template.h"

// The template as the dialog manager reads it from memory, a DLGTEMPLATEEX and one
// DLGITEMTEMPLATEEX per control, for DialogBoxIndirectParamW. Pictures name their icon or
// bitmap resource by number, and the dialog manager loads it from the program.
std::vector<WORD> InMemoryTemplate(const DialogTemplate& tpl);

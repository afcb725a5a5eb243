// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The maker's website: named in the help text and the About dialog, and offered when the
// player cancels the choice of a key file. Its value is the project's homepage, set in
// CMakeLists.txt, which the About dialog's template takes too.
constexpr char kWebsiteAddress[] = QUELLABOX_WEBSITE;

// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

class Desktop;
class ModalRunner;

// Lets the player pick a key file; the full path, or nothing when the player cancels. A
// cancelled choice offers the website, where more key files and the tools to make them are.
std::optional<std::string> ChooseKeyFile(ModalRunner& modal, Desktop& desktop);

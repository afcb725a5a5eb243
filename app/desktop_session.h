// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QApplication;

// The Qt application, made only where a desktop session answers. Qt aborts, and may leave a
// core dump, when it finds no display; here the player gets one line saying why instead,
// and the process ends with status 1.
std::unique_ptr<QApplication> OpenDesktopSession(int& argc, char** argv);

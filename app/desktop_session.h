// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QApplication;

// The Qt application, made only where a desktop session answers. Qt aborts, and may leave a
// core dump, when it cannot start; here the player gets one line saying which display did
// not answer, or what Qt said when something else failed, and the process ends with
// status 1.
std::unique_ptr<QApplication> OpenDesktopSession(int& argc, char** argv);

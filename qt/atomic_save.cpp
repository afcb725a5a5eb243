// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/atomic_save.h"

#include <QSaveFile>

#include "qt/utf8.h"

bool SaveFileAtomically(const std::string& path, const std::string& bytes) {
  QSaveFile file(Qs(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

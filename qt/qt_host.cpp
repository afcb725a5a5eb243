// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/qt_host.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "qt/atomic_save.h"
#include "qt/qt_dialog_window.h"
#include "qt/utf8.h"
#include "res/string_table.h"
#include "seam/ids.h"

namespace {

// The owner of a modal run. It takes the keyboard focus back when the run ends, as a window
// manager would hand it back; a bare X session has none to do so.
class BlockedOwner {
 public:
  explicit BlockedOwner(QWidget* owner) : m_owner(owner) {}
  ~BlockedOwner() {
    if (m_owner && m_owner->isVisible()) m_owner->activateWindow();
  }
  BlockedOwner(const BlockedOwner&) = delete;
  BlockedOwner& operator=(const BlockedOwner&) = delete;
  QWidget* get() const { return m_owner; }

 private:
  QPointer<QWidget> m_owner;
};

// The Qt name filter for a "description|pattern|...||" filter.
QString QtNameFilters(const std::string& filter) {
  const QStringList parts = Qs(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
    const QString pattern = QStringLiteral("(%1)").arg(QString(parts[i + 1]).replace(';', ' '));
    // A description that already ends in its patterns is shown as it stands.
    filters << (parts[i].endsWith(pattern) ? parts[i] : parts[i] + ' ' + pattern);
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace

void SubstituteTemplateFonts() {
  // The templates ask for CJK faces by name; any installed CJK sans font stands in.
  const QStringList cjkSans = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC",
                               "Microsoft YaHei",     "SimSun",           "Sans Serif"};
  QFont::insertSubstitutions(QStringLiteral("微软雅黑"), cjkSans);
  QFont::insertSubstitutions(QStringLiteral("宋体"), cjkSans);
}

QtHost::QtHost() { SubstituteTemplateFonts(); }

QWidget* QtHost::Owner() const { return static_cast<QtDialogWindow*>(OwnerOfNextRun()); }

int QtHost::RunModal(int templateId, DialogEvents& dialog) {
  const DialogTemplate* tpl = FindDialogTemplate(templateId);
  if (!tpl) return -1;
  const BlockedOwner owner(Owner());
  QtDialogWindow window(dialog, *tpl, owner.get());
  return window.Run(*this);
}

int QtHost::ShowMessageBox(const std::string& caption, const std::string& text,
                           MessageButtons buttons) {
  const bool okCancel = buttons == MessageButtons::OkCancel;
  const BlockedOwner owner(Owner());
  QMessageBox box(okCancel ? QMessageBox::Question : QMessageBox::Information, Qs(caption),
                  Qs(text), okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                  owner.get());
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(okCancel ? QMessageBox::Cancel : QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? ids::kOk : ids::kCancel;
}

std::optional<std::string> QtHost::ChooseFileToOpen(const OpenFileRequest& request) {
  const BlockedOwner owner(Owner());
  QFileDialog dialog(owner.get(), QString(), Qs(request.initialFolder));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // With no flags a typed name of a file that does not exist is accepted too.
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(Qs(request.defaultExtension));
  dialog.setNameFilter(QtNameFilters(request.filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return Utf8(dialog.selectedFiles().first());
}

void QtHost::ShellOpen(const std::string& target) {
  QDesktopServices::openUrl(QUrl::fromUserInput(Qs(target)));
}

void QtHost::StartProgram(const std::string& path) {
  QProcess::startDetached(Qs(path), QStringList());
}

void QtHost::PlayLooping(const std::string& path) { m_sound.PlayLooping(path); }

void QtHost::StopSound() { m_sound.Stop(); }

std::string QtHost::ExecutablePath() { return Utf8(QCoreApplication::applicationFilePath()); }

std::int64_t QtHost::CalendarTime() { return QDateTime::currentSecsSinceEpoch(); }

std::string QtHost::LoadText(int id) { return LoadResourceString(id); }

bool QtHost::MayWriteIn(const std::string& folder) { return QFileInfo(Qs(folder)).isWritable(); }

bool QtHost::IsInstalledCopy(const std::string& programFolder) {
  // Installation leaves this mark beside the program (app/CMakeLists.txt).
  return QFileInfo::exists(Qs(programFolder) + QStringLiteral("installed-copy"));
}

std::string QtHost::UserDataFolder() {
  const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (own.isEmpty()) return {};
  QDir().mkpath(own);
  return Utf8(QDir(own).absolutePath() + QLatin1Char('/'));
}

std::string QtHost::SampleFolder() {
  // Installed, the samples lie in the prefix's data folder; in a build tree, beside bin/.
  for (const char* relative : {QUELLABOX_INSTALLED_SAMPLES, QUELLABOX_BUILT_SAMPLES}) {
    const QDir samples(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative);
    if (samples.exists()) return Utf8(samples.canonicalPath() + QLatin1Char('/'));
  }
  return {};
}

SaveResult QtHost::SaveFileAtomically(const std::string& path, const std::string& expected,
                                      const std::string& bytes) {
  if (!FileStillHolds(path, expected)) return SaveResult::Changed;
  return ::SaveFileAtomically(path, bytes) ? SaveResult::Saved : SaveResult::Failed;
}

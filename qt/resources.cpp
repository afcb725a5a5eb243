#include "qt/resources.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

std::string LoadResourceString(int id) {
  QFile file(QStringLiteral(":/res/strings.json"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QJsonObject table = QJsonDocument::fromJson(file.readAll()).object();
  return table[QString::number(id)].toString().toStdString();
}

std::string ResourcePath(const char* kind, int id) {
  const char* extension = std::string(kind) == "icon" ? "ico" : "bmp";
  return QStringLiteral(":/res/%1%2.%3").arg(kind).arg(id).arg(extension).toStdString();
}

bool SaveFileReplacing(const std::string& path, const std::string& bytes) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

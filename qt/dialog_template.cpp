#include "qt/dialog_template.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include "data/website.h"

namespace {

ControlKind KindOf(const QString& name) {
  if (name == "button") return ControlKind::PushButton;
  if (name == "checkbox") return ControlKind::CheckBox;
  if (name == "edit") return ControlKind::Edit;
  if (name == "icon") return ControlKind::Icon;
  if (name == "bitmap") return ControlKind::Bitmap;
  return ControlKind::Static;
}

// Captions may name the website; it is one constant of the program, not a copy per file.
std::string Caption(const QJsonValue& value) {
  QString caption = value.toString();
  caption.replace("${WEBSITE}", QString::fromUtf8(kWebsiteAddress));
  return caption.toStdString();
}

ControlTemplate ControlFrom(const QJsonObject& json) {
  ControlTemplate control;
  control.id = json["id"].toInt(-1);
  control.kind = KindOf(json["kind"].toString());
  control.caption = Caption(json["caption"]);
  for (const QJsonValue& style : json["styles"].toArray()) {
    control.styles.push_back(style.toString().toStdString());
  }
  const QJsonArray rect = json["rect"].toArray();
  control.x = rect.at(0).toInt();
  control.y = rect.at(1).toInt();
  control.width = rect.at(2).toInt();
  control.height = rect.at(3).toInt();
  control.resource = json["resource"].toInt();
  control.accessibleName = json["accessibleName"].toString().toStdString();
  return control;
}

}  // namespace

bool ControlTemplate::Has(const std::string& style) const {
  return std::find(styles.begin(), styles.end(), style) != styles.end();
}

std::optional<DialogTemplate> LoadDialogTemplate(int id) {
  QFile file(QStringLiteral(":/res/dialogs/%1.json").arg(id));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
  DialogTemplate dialog;
  dialog.id = json["id"].toInt();
  dialog.caption = Caption(json["caption"]);
  dialog.width = json["size"].toArray().at(0).toInt();
  dialog.height = json["size"].toArray().at(1).toInt();
  dialog.fontPoints = json["font"].toObject()["points"].toInt();
  dialog.fontFace = json["font"].toObject()["face"].toString().toStdString();
  for (const QJsonValue& control : json["controls"].toArray()) {
    dialog.controls.push_back(ControlFrom(control.toObject()));
  }
  return dialog;
}

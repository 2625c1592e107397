#include "gui/platform/QSettingsStore.h"

#include <QFile>
#include <QStringList>

namespace korvane::gui {

namespace {

// The registry key path the values have always lived under, as INI groups.
const QString kKeyPath = QStringLiteral("SOFTWARE/KORVANE/ENERGY/SETUP/");

QString key(std::string_view section, std::string_view name) {
  return kKeyPath + QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) +
         QLatin1Char('/') + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("KORVANE"), QStringLiteral("ENERGY"))) {}

QSettingsStore::QSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

std::optional<std::string> QSettingsStore::readValue(std::string_view section,
                                                     std::string_view name) {
  const QVariant value = settings_->value(key(section, name));
  if (!value.isValid()) return std::nullopt;
  // A value written as a list by another program reads as its first item.
  if (value.typeId() == QMetaType::QStringList) {
    const QStringList items = value.toStringList();
    return items.isEmpty() ? std::string() : items.first().toStdString();
  }
  return value.toString().toStdString();
}

void QSettingsStore::writeValue(std::string_view section, std::string_view name,
                                std::string_view value) {
  if (!settings_->isWritable()) return;
  settings_->setValue(key(section, name),
                      QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QSettingsStore::copyInto(MemorySettingsStore& memory) {
  for (const QString& full : settings_->allKeys()) {
    if (!full.startsWith(kKeyPath)) continue;
    const QString rest = full.mid(kKeyPath.size());
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash <= 0) continue;
    const std::string section = rest.left(slash).toStdString();
    const std::string name = rest.mid(slash + 1).toStdString();
    if (auto value = readValue(section, name)) memory.writeValue(section, name, *value);
  }
}

}  // namespace korvane::gui

namespace korvane::gui {

bool QSettingsStore::makePrivate() {
  settings_->sync();
  return QFile::setPermissions(settings_->fileName(),
                               QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

}  // namespace korvane::gui

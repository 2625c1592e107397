#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "platform/SettingsStore.h"

namespace korvane::gui {

// The settings store on QSettings: a per-user INI file (organisation "KORVANE",
// application "ENERGY") under the XDG config directory, holding the sections
// and values below the key path "SOFTWARE\KORVANE\ENERGY\SETUP". Failures are
// silent: a failed read gives the caller's fallback, a failed write changes
// nothing.
class QSettingsStore : public SettingsStore {
 public:
  // The user's own settings.
  QSettingsStore();
  // A settings file of the same layout at that path.
  explicit QSettingsStore(const QString& path);

  std::optional<std::string> readValue(std::string_view section, std::string_view name) override;
  void writeValue(std::string_view section, std::string_view name, std::string_view value) override;

  // Copies every value of the store into memory (for runs that must not
  // change the file they were given).
  void copyInto(MemorySettingsStore& memory);

  QString fileName() const { return settings_->fileName(); }
  void sync() { settings_->sync(); }
  // Makes the file readable and writable by its owner only; later saves keep that.
  bool makePrivate();

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace korvane::gui

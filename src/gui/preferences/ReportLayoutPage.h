#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include "gui/preferences/PreferencesPage.h"

namespace korvane {
class MessageSink;
}

namespace korvane::gui {

// "Report Layout": the report's prepared-by and company texts and the
// company logo.
class ReportLayoutPage : public PreferencesPage {
 public:
  ReportLayoutPage(DialogModel& model, MessageSink& messages);

  void load(const preferences::PreferencesControls& controls) override;
  void store(preferences::PreferencesControls& controls) const override;

 private:
  void buildLogoPanel();
  void viewLogo();
  void showLogoFile(const QString& fileName);

  MessageSink& messages_;
  QPlainTextEdit* preparedBy_ = nullptr;
  QPlainTextEdit* companyInfo_ = nullptr;
  QWidget* logoPanel_ = nullptr;
  QLineEdit* logoFile_ = nullptr;
};

}  // namespace korvane::gui

#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>

namespace korvane {
class MessageSink;
}

namespace korvane::gui {

// "Company Logo": views and picks the picture the report prints top left.
class CompanyLogoDialog : public QDialog {
 public:
  CompanyLogoDialog(const QString& fileName, MessageSink& messages, QWidget* parent = nullptr);

  QString fileName() const { return fileName_; }
  bool accepted() const { return accepted_; }
  // Loads a picture into the image area; false (after the warning) when it
  // is not one.
  bool Load_Picture(const QString& fileName);
  void Select_File();
  void Cancel();

 private:
  MessageSink& messages_;
  QLabel* image_ = nullptr;
  QString fileName_;
  QString previous_;
  bool chosen_ = false;
  bool accepted_ = false;
};

}  // namespace korvane::gui

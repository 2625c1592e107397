#pragma once

#include <QDialog>
#include <QRadioButton>
#include <functional>

namespace korvane::gui {

// The one-time "Automatic Updates" notice: asks whether the program may look
// for updates by itself.
class UpdateNoticeDialog : public QDialog {
 public:
  explicit UpdateNoticeDialog(QWidget* parent = nullptr);

  bool yesChosen() const { return yes_->isChecked(); }

  // The "Use Proxy Server" link.
  std::function<void()> OpenProxySettings;

 protected:
  // Escape closes like "&Close": the choice shown is the choice made.
  void reject() override { accept(); }

 private:
  QRadioButton* yes_ = nullptr;
};

}  // namespace korvane::gui

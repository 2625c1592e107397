#pragma once

#include <QDialog>

namespace korvane::gui {

inline const char* const kWebSite = "https://www.korvane.example/";

// "About KORVANE Energy Savings Estimator".
class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The splash screen: the product picture while the program starts.
class SplashScreen : public QWidget {
 public:
  SplashScreen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace korvane::gui

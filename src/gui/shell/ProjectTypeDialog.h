#pragma once

#include <QComboBox>
#include <QDialog>
#include <functional>

#include "shell/RunState.h"

namespace korvane::gui {

// "Energy Savings Estimator": one system of a chosen application, or several.
class ProjectTypeDialog : public QDialog {
 public:
  ProjectTypeDialog(shell::RunState& state, QWidget* parent = nullptr);

  // Makes the first application current again, as at every showing.
  void Prepare_Show();
  void Start_Single();
  void Start_Multi();

  std::function<void(const char* topic)> Help;

 private:
  shell::RunState& state_;
  QComboBox* applications_ = nullptr;
};

}  // namespace korvane::gui

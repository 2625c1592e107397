#pragma once

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "gui/platform/QtText.h"
#include "preferences/PreferenceProcedures.h"
#include "preferences/PreferencesControls.h"

namespace korvane::gui {

// A button of the preferences dialog. Enter in a field never presses one:
// confirming a number is not Ok.
QPushButton* dialogButton(const QString& text, const QString& hint, QWidget* parent);

// The preferences dialog's model as the pages' actions reach it. The
// procedures work on the whole model, so an action sees what every page shows.
class DialogModel {
 public:
  virtual ~DialogModel() = default;
  // Takes every page's input into the model, runs the change, and shows the
  // model on every page again.
  virtual void change(const std::function<void()>& action) = 0;
  // Takes every page's input into the model, for an action that shows its
  // own result.
  virtual preferences::PreferencesControls& current() = 0;
};

// One page of the preferences dialog: shows its part of the dialog's model
// and takes it back.
class PreferencesPage : public QWidget {
 public:
  explicit PreferencesPage(DialogModel& model) : model_(model) {}

  virtual void load(const preferences::PreferencesControls& controls) = 0;
  virtual void store(preferences::PreferencesControls& controls) const = 0;

 protected:
  static QString q(const std::string& text) { return toQString(text); }
  static QLabel* title(const QString& text, QWidget* parent);
  static QPushButton* button(const QString& text, const QString& hint, QWidget* parent) {
    return dialogButton(text, hint, parent);
  }
  static QRadioButton* radio(const QString& text, QButtonGroup* group, int id, QWidget* parent);
  // Selects the button of an id; none at all for an id without one.
  static void selectButton(QButtonGroup* group, int id);
  // The page's title with its "&Reset" button on the right; the reset acts
  // on what the dialog shows.
  QHBoxLayout* heading(const QString& text, const QString& resetHint, const QString& resetName,
                       std::function<void()> reset);

  DialogModel& model_;
};

// A page's number fields, named as the model's text fields they show.
class NumberFields {
 public:
  explicit NumberFields(preferences::NumberFormat format) : format_(std::move(format)) {}

  // A right-aligned field that takes digits and the user's separators only.
  QLineEdit* add(const std::string& name, QWidget* parent);
  QLineEdit* at(const std::string& name) const { return fields_.at(name); }
  void load(const preferences::PreferencesControls& controls);
  void store(preferences::PreferencesControls& controls) const;

 private:
  preferences::NumberFormat format_;
  std::map<std::string, QLineEdit*> fields_;
};

// The flow labels above the curve fields, 100 % down to 10 %.
extern const char* const kFlowLabels[10];

}  // namespace korvane::gui

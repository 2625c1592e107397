#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>
#include <map>
#include <string>

#include "calculators/FormulaCalculator.h"

namespace korvane {
class AlertSound;
class MessageSink;
}  // namespace korvane

namespace korvane::gui {

// "Useful Formulas (English Units)" and "Useful Formulas (Metric Units)": five
// pages of small calculators laid out from the calculator's own description.
class FormulaDialog : public QDialog {
 public:
  FormulaDialog(calculators::UnitSystem units, const preferences::NumberFormat& format,
                AlertSound& alert, MessageSink& messages, QWidget* parent = nullptr);

  // What every showing does; Open runs it and then the dialog modally.
  void Prepare_Show();
  int Open();

  calculators::FormulaCalculator& calculator() { return calculator_; }
  QTabWidget* tabs() const { return tabs_; }
  std::function<void(const char* topic)> Help;

 private:
  void buildCalculator(const calculators::CalculatorLayout& layout, QWidget* page,
                       QVBoxLayout* column);
  void readFields(calculators::Calculator calculator);
  void refresh();
  void applyThreePhaseEnabling();

  calculators::FormulaCalculator calculator_;
  preferences::NumberFormat format_;
  AlertSound& alert_;
  MessageSink& messages_;
  QTabWidget* tabs_ = nullptr;
  QComboBox* threePhase_ = nullptr;
  std::map<calculators::Calculator, QComboBox*> unitLists_;
  std::map<std::string, QLineEdit*> inputs_;
  std::map<std::string, QLineEdit*> results_;
};

}  // namespace korvane::gui

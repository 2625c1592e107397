#include "gui/preferences/CustomEfficiencyPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "gui/widgets/BoundLineEdit.h"

namespace korvane::gui {

CustomEfficiencyPage::CustomEfficiencyPage(DialogModel& model,
                                           preferences::PreferenceProcedures& procedures)
    : PreferencesPage(model), procedures_(procedures), fields_(procedures.numberFormat()) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading(QStringLiteral("Efficiency Setup"),
                            QStringLiteral("Reset custom efficiency values to default."),
                            QStringLiteral("ResetCustom"),
                            [this] { procedures_.Reset_Custom_Efficiency(); }));
  for (int c = 0; c < 2; ++c) layout->addWidget(customPanel(c));
  layout->addStretch();
}

QWidget* CustomEfficiencyPage::customPanel(int c) {
  auto* panel = new QGroupBox(QStringLiteral("Custom Control %1").arg(c + 1), this);
  auto* grid = new QGridLayout(panel);
  grid->addWidget(new QLabel(QStringLiteral("Title:"), panel), 0, 0);
  titles_[c] = new QLineEdit(panel);
  titles_[c]->setObjectName(QStringLiteral("CustomTitle%1").arg(c + 1));
  titles_[c]->installEventFilter(new TypingLimit(25, titles_[c]));
  titles_[c]->setToolTip(QStringLiteral("Enter custom control title here"));
  grid->addWidget(titles_[c], 0, 1, 1, 6);
  selected_[c] = new QCheckBox(QStringLiteral("Selected"), panel);
  selected_[c]->setVisible(false);
  grid->addWidget(new QLabel(QStringLiteral("Flow"), panel), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Efficiency"), panel), 2, 0);
  grid->setColumnMinimumWidth(0, 76);
  const std::string base = c == 0 ? "C1E" : "C2E";
  for (int i = 0; i < 10; ++i) {
    auto* l = new QLabel(QString::fromLatin1(kFlowLabels[i]), panel);
    l->setAlignment(Qt::AlignCenter);
    grid->addWidget(l, 1, i + 1);
    grid->addWidget(fields_.add(base + std::to_string(100 - 10 * i), panel), 2, i + 1);
  }
  return panel;
}

void CustomEfficiencyPage::load(const preferences::PreferencesControls& controls) {
  for (size_t i = 0; i < 2; ++i) {
    titles_[i]->setText(q(controls.customTitles[i]));
    selected_[i]->setChecked(controls.customSelected[i]);
  }
  fields_.load(controls);
}

void CustomEfficiencyPage::store(preferences::PreferencesControls& controls) const {
  for (size_t i = 0; i < 2; ++i) {
    controls.customTitles[i] = titles_[i]->text().toStdString();
    controls.customSelected[i] = selected_[i]->isChecked();
  }
  fields_.store(controls);
}

}  // namespace korvane::gui

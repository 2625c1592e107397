#include "gui/preferences/EfficiencyPage.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "model/FeatureSwitches.h"

namespace korvane::gui {

namespace {

using model::FeatureOff;

constexpr int kRowLabelWidth = 116;

}  // namespace

EfficiencyPage::EfficiencyPage(DialogModel& model, preferences::PreferenceProcedures& procedures)
    : PreferencesPage(model), procedures_(procedures), fields_(procedures.numberFormat()) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading(
      QStringLiteral("Efficiency Setup"), QStringLiteral("Reset efficiency values to default."),
      QStringLiteral("ResetEfficiency"), [this] { procedures_.Reset_Efficiency(); }));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("ASD / Inverter"), this), 0, 0);
  auto* drive = fields_.add("VfdE100", this);
  // One drive efficiency for every flow: the hidden points follow it.
  connect(drive, &QLineEdit::editingFinished, this,
          [this] { model_.change([this] { procedures_.Copy_Drive_Field(); }); });
  grid->addWidget(drive, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("%"), this), 0, 2);
  for (int flow = 90; flow >= 10; flow -= 10) {
    fields_.add("VfdE" + std::to_string(flow), this)->setVisible(false);
  }

  auto* flowHeader = new QWidget(this);
  auto* header = new QHBoxLayout(flowHeader);
  header->setContentsMargins(0, 0, 0, 0);
  auto* flowLabel = new QLabel(QStringLiteral("Flow"), flowHeader);
  flowLabel->setFixedWidth(kRowLabelWidth);
  header->addWidget(flowLabel);
  for (const char* label : kFlowLabels) {
    auto* l = new QLabel(QString::fromLatin1(label), flowHeader);
    l->setFixedWidth(48);
    l->setAlignment(Qt::AlignCenter);
    header->addWidget(l);
  }
  layout->addLayout(grid);
  layout->addSpacing(12);
  layout->addWidget(flowHeader);

  QWidget* damper = curveRow("Outlet Damper", "DE");
  QWidget* inlet = curveRow("Inlet Vane", "IvE");
  QWidget* valve = curveRow("Throttling Valve", "VaE");
  for (QWidget* row : {damper, inlet, valve}) layout->addWidget(row);
  layout->addStretch();

  const bool inletShown = !(FeatureOff(model::NoFan) || FeatureOff(model::NoInletVane));
  const bool damperShown = !(FeatureOff(model::NoFan) || FeatureOff(model::NoOutletDamper));
  const bool valveShown = !FeatureOff(model::NoPump);
  damper->setVisible(damperShown);
  inlet->setVisible(inletShown);
  valve->setVisible(valveShown);
  flowHeader->setVisible(inletShown || damperShown || valveShown);
}

QWidget* EfficiencyPage::curveRow(const char* caption, const char* baseName) {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(QString::fromLatin1(caption), row);
  label->setFixedWidth(kRowLabelWidth);
  line->addWidget(label);
  for (int flow = 100; flow >= 10; flow -= 10) {
    line->addWidget(fields_.add(baseName + std::to_string(flow), row));
  }
  return row;
}

void EfficiencyPage::load(const preferences::PreferencesControls& controls) {
  fields_.load(controls);
}

void EfficiencyPage::store(preferences::PreferencesControls& controls) const {
  fields_.store(controls);
}

}  // namespace korvane::gui

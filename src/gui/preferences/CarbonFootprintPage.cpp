#include "gui/preferences/CarbonFootprintPage.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <tuple>

#include "gui/widgets/BoundLineEdit.h"
#include "platform/AlertSound.h"
#include "preferences/Co2Factors.h"

namespace korvane::gui {

CarbonFootprintPage::CarbonFootprintPage(DialogModel& model,
                                         preferences::PreferenceProcedures& procedures,
                                         AlertSound& alert)
    : PreferencesPage(model),
      procedures_(procedures),
      alert_(alert),
      fields_(procedures.numberFormat()) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading(QStringLiteral("Carbon Footprint Calculation"),
                            QStringLiteral("Reset carbon footprint values to default."),
                            QStringLiteral("ResetCarbon"),
                            [this] { procedures_.Reset_Carbon_Footprint(); }));
  layout->addWidget(new QLabel(
      QStringLiteral("Calculate Carbon Dioxide (CO2) savings based on electricity produced from:"),
      this));

  auto* grid = new QGridLayout;
  fuel_ = new QButtonGroup(this);
  weightLabel_ = new QLabel(this);
  grid->addWidget(weightLabel_, 0, 1, 1, 2);
  using preferences::kCo2Factors;
  const std::tuple<const char*, int, size_t> fuels[] = {{"Coal", 0, preferences::kCo2Coal},
                                                        {"Natural Gas", 1, preferences::kCo2Gas},
                                                        {"Oil", 2, preferences::kCo2Oil},
                                                        {"User defined", 3, preferences::kCo2User}};
  int row = 1;
  for (auto [name, id, factor] : fuels) {
    grid->addWidget(radio(QString::fromLatin1(name), fuel_, id, this), row, 0);
    const std::string fieldName(kCo2Factors[factor].field);
    auto* edit = fields_.add(fieldName, this);
    edit->setText(QStringLiteral("1.000"));
    connect(edit, &QLineEdit::editingFinished, this,
            [this, fieldName] { onFactorLeft(fieldName); });
    grid->addWidget(edit, row, 1);
    ++row;
  }
  fuelDescription_ = new QLineEdit(this);
  fuelDescription_->setObjectName(QStringLiteral("FuelDescription"));
  fuelDescription_->installEventFilter(new TypingLimit(12, fuelDescription_));
  grid->addWidget(fuelDescription_, row, 0);
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);
  layout->addSpacing(16);
  layout->addWidget(new QLabel(QStringLiteral("Important Notes: "), this));
  layout->addWidget(
      new QLabel(QStringLiteral("Weight unit based on selection in preferences."), this));
  layout->addWidget(new QLabel(
      QStringLiteral("Carbon emissions default conversion data is based on fuel type in Lbs of CO2 "
                     "for USA."),
      this));
  layout->addStretch();
}

void CarbonFootprintPage::onFactorLeft(const std::string& name) {
  const preferences::PreferencesControls& controls = model_.current();
  bool clamped = false;
  if (!procedures_.Check_Factor_Field(name, clamped)) return;
  if (clamped) alert_.play();
  fields_.at(name)->setText(q(controls.fields.at(name)->text()));
  if (FactorChanged) FactorChanged();
}

void CarbonFootprintPage::load(const preferences::PreferencesControls& controls) {
  selectButton(fuel_, controls.fuelButton);
  fuelDescription_->setText(q(controls.fuelDescription));
  fields_.load(controls);
  weightLabel_->setText(QStringLiteral("Carbon emissions %1 of CO2 produced per kWh")
                            .arg(q(std::string(procedures_.Factor_Fields_Weight_Label()))));
}

void CarbonFootprintPage::store(preferences::PreferencesControls& controls) const {
  controls.fuelButton = fuel_->checkedId();
  controls.fuelDescription = fuelDescription_->text().toStdString();
  fields_.store(controls);
}

}  // namespace korvane::gui

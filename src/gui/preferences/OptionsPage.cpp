#include "gui/preferences/OptionsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "gui/widgets/BoundLineEdit.h"
#include "model/FeatureSwitches.h"

namespace korvane::gui {

namespace {

using model::FeatureOff;

}  // namespace

OptionsPage::OptionsPage(DialogModel& model, preferences::PreferenceProcedures& procedures)
    : PreferencesPage(model), procedures_(procedures) {
  auto* grid = new QGridLayout(this);
  buildOptions(grid);
  buildUnits(grid);
  buildCurrency(grid);
  auto* note = new QLabel(
      QStringLiteral(
          "Power Units and Currency can only be changed when there is no active project."),
      this);
  note->setWordWrap(true);
  grid->addWidget(note, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);

  cumulative_->setChecked(true);
  updates_->setVisible(!FeatureOff(model::NoUpdateCheck));
  proxyLink_->setVisible(!FeatureOff(model::NoUpdateCheck));
  cumulative_->setVisible(!FeatureOff(model::NoCumulativePayback));
}

void OptionsPage::buildOptions(QGridLayout* grid) {
  auto* options = new QVBoxLayout;
  welcome_ = new QCheckBox(QStringLiteral("Welcome message"), this);
  welcome_->setVisible(false);
  introduction_ = new QCheckBox(QStringLiteral("Project introduction screen"), this);
  introduction_->setToolTip(
      QStringLiteral("Show project introduction screen when a new project is started"));
  cumulative_ = new QCheckBox(QStringLiteral("Display payback values per year cumulative"), this);
  cumulative_->setToolTip(
      QStringLiteral("Display payback values for system calculation overview cumulative"));
  automaticUnit_ = new QCheckBox(QStringLiteral("Automatic power unit selection kW / MW "), this);
  automaticUnit_->setToolTip(QStringLiteral(
      "When checked the software automatically determines power units depending on the "
      "calculation"));
  updates_ = new QCheckBox(QStringLiteral("Check for updates"), this);
  updates_->setToolTip(QStringLiteral("Check if program update is available on the update server"));
  for (QCheckBox* box : {introduction_, cumulative_, automaticUnit_, updates_}) {
    options->addWidget(box);
  }
  proxyLink_ = new QLabel(QStringLiteral("<a href=\"proxy\">Use Proxy Server</a>"), this);
  proxyLink_->setObjectName(QStringLiteral("UseProxyLink"));
  connect(proxyLink_, &QLabel::linkActivated, this, [this] {
    if (OpenProxySettings) OpenProxySettings();
  });
  options->addWidget(proxyLink_);
  options->addStretch();
  grid->addLayout(options, 0, 0, 2, 1);
}

void OptionsPage::buildUnits(QGridLayout* grid) {
  auto* powerBox = new QGroupBox(QStringLiteral(" Power Units "), this);
  power_ = new QButtonGroup(this);
  auto* powerLayout = new QVBoxLayout(powerBox);
  powerLayout->addWidget(radio(QStringLiteral("kW"), power_, 1, powerBox));
  powerLayout->addWidget(radio(QStringLiteral("HP"), power_, 0, powerBox));
  powerBox->setObjectName(QStringLiteral("PowerUnits"));
  powerGroup_ = powerBox;
  grid->addWidget(powerBox, 0, 1);

  auto* unitBox = new QGroupBox(QStringLiteral(" Measurement / Weight / Pressure Units "), this);
  unitBox->setObjectName(QStringLiteral("UnitSystem"));
  units_ = new QButtonGroup(this);
  auto* unitLayout = new QVBoxLayout(unitBox);
  auto* metric = radio(QStringLiteral("Metric Units (cm, m, kg, ton, Pa)"), units_, 1, unitBox);
  metric->setObjectName(QStringLiteral("Metric"));
  auto* english = radio(QStringLiteral("Imperial / English Units (inch, ft, lb, ton, in.wg)"),
                        units_, 0, unitBox);
  english->setObjectName(QStringLiteral("English"));
  unitLayout->addWidget(metric);
  unitLayout->addWidget(english);
  // The CO2 factor fields change their unit with the choice.
  connect(units_, &QButtonGroup::idClicked, this, [this](int id) {
    model_.change([this, id] { procedures_.Convert_Factor_Fields(id == 1); });
  });
  grid->addWidget(unitBox, 1, 1);
}

void OptionsPage::buildCurrency(QGridLayout* grid) {
  auto* currencyBox = new QGroupBox(QStringLiteral(" Currency "), this);
  currency_ = new QButtonGroup(this);
  auto* currencyLayout = new QGridLayout(currencyBox);
  auto* euro = radio(QStringLiteral("€, Euro"), currency_, 0, currencyBox);
  euro->setObjectName(QStringLiteral("Euro"));
  currencyLayout->addWidget(euro, 0, 0);
  currencyLayout->addWidget(radio(QStringLiteral("$, Dollar"), currency_, 1, currencyBox), 1, 0);
  currencyLayout->addWidget(radio(QStringLiteral("£, Pound Sterling"), currency_, 2, currencyBox),
                            2, 0);
  currencyLayout->addWidget(
      radio(QStringLiteral("User defined currency"), currency_, 3, currencyBox), 3, 0);
  customCurrency_ = new QLineEdit(QStringLiteral("-"), currencyBox);
  customCurrency_->setObjectName(QStringLiteral("CustomCurrency"));
  customCurrency_->installEventFilter(new TypingLimit(3, customCurrency_));
  customCurrency_->setFixedWidth(48);
  currencyLayout->addWidget(customCurrency_, 3, 1);
  currencyLayout->addWidget(new QLabel(QStringLiteral("(Max 3.)"), currencyBox), 3, 2);
  currencyBox->setObjectName(QStringLiteral("Currency"));
  currencyGroup_ = currencyBox;
  grid->addWidget(currencyBox, 2, 1);
}

void OptionsPage::setProjectActive(bool active) {
  powerGroup_->setEnabled(!active);
  currencyGroup_->setEnabled(!active);
}

void OptionsPage::load(const preferences::PreferencesControls& c) {
  welcome_->setChecked(c.customerBlock);
  introduction_->setChecked(c.introductionScreen);
  cumulative_->setChecked(c.cumulativePayback);
  automaticUnit_->setChecked(c.automaticPowerUnit);
  updates_->setChecked(c.checkForUpdates);
  selectButton(power_, c.powerKw ? 1 : 0);
  selectButton(units_, c.metricUnits ? 1 : 0);
  selectButton(currency_, c.currencyButton);
  customCurrency_->setText(q(c.customCurrency));
}

void OptionsPage::store(preferences::PreferencesControls& c) const {
  c.customerBlock = welcome_->isChecked();
  c.introductionScreen = introduction_->isChecked();
  c.cumulativePayback = cumulative_->isChecked();
  c.automaticPowerUnit = automaticUnit_->isChecked();
  c.checkForUpdates = updates_->isChecked();
  c.powerKw = power_->checkedId() == 1;
  c.metricUnits = units_->checkedId() == 1;
  c.currencyButton = currency_->checkedId();
  c.customCurrency = customCurrency_->text().toStdString();
}

}  // namespace korvane::gui

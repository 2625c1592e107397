#include "gui/preferences/PreferencesDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "gui/platform/QtText.h"
#include "gui/shell/CompanyLogoDialog.h"
#include "gui/widgets/BoundLineEdit.h"
#include "model/FeatureSwitches.h"
#include "platform/AlertSound.h"
#include "session/EstimatorSession.h"

namespace korvane::gui {

namespace {

using model::FeatureOff;

QLabel* title(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 1.3);
  font.setBold(true);
  label->setFont(font);
  return label;
}

// Enter in a field never presses a button: confirming a number is not Ok.
QPushButton* button(const QString& text, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

QRadioButton* radio(const QString& text, QButtonGroup* group, int id, QWidget* parent) {
  auto* r = new QRadioButton(text, parent);
  group->addButton(r, id);
  return r;
}

void selectButton(QButtonGroup* group, int id) {
  if (QAbstractButton* b = group->button(id)) {
    b->setChecked(true);
    return;
  }
  // No selection at all.
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

constexpr int kRowLabelWidth = 116;
const char* const kFlowLabels[] = {"100%", "90%", "80%", "70%", "60%",
                                   "50%",  "40%", "30%", "20%", "10%"};

// The report page's sketch of where each block of the report goes.
class ReportLayoutPicture : public QWidget {
 public:
  explicit ReportLayoutPicture(QWidget* parent) : QWidget(parent) { setFixedSize(190, 250); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor block(214, 228, 240);
    auto box = [&](QRect r, const QString& label) {
      p.fillRect(r, block);
      p.drawRect(r);
      p.drawText(r, Qt::AlignCenter, label);
    };
    box(QRect(10, 10, 80, 34), "Logo");
    box(QRect(10, 50, 80, 40), "#1");
    box(QRect(100, 10, 80, 80), "#2");
    box(QRect(10, 96, 170, 34), "#3");
    p.setPen(QPen(QColor(170, 170, 170), 1));
    for (int y = 142; y < 240; y += 9) p.drawLine(14, y, 176, y);
  }
};

}  // namespace

PreferencesDialog::PreferencesDialog(EstimatorSession& session, AlertSound& alert,
                                     const preferences::NumberFormat& format, QWidget* parent)
    : QDialog(parent), session_(session), alert_(alert), format_(format) {
  setWindowTitle(QStringLiteral("Program Setup"));
  setObjectName(QStringLiteral("TMultip"));
  setFixedSize(688, 506);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 130px; min-height: 26px; }"));
  layout->addWidget(tabs_);
  buildPreferencesPage();
  buildEfficiencyPage();
  buildCustomPage();
  buildCarbonPage();
  buildReportPage();

  auto* bar = new QHBoxLayout;
  auto* back = back_ = button(QStringLiteral("&Go Back"), QStringLiteral("Go back one page"), this);
  auto* next = next_ =
      button(QStringLiteral("&Next Page"), QStringLiteral("Go to next page"), this);
  auto* ok = button(QStringLiteral("&Ok"), QString(), this);
  auto* cancel = button(QStringLiteral("&Cancel"), QString(), this);
  back->setObjectName(QStringLiteral("GoBack"));
  next->setObjectName(QStringLiteral("NextPage"));
  ok->setObjectName(QStringLiteral("Ok"));
  cancel->setObjectName(QStringLiteral("Cancel"));
  bar->addWidget(back);
  bar->addWidget(next);
  bar->addStretch();
  bar->addWidget(ok);
  bar->addWidget(cancel);
  layout->addLayout(bar);
  connect(back, &QPushButton::clicked, this, [this] { stepPage(-1); });
  connect(next, &QPushButton::clicked, this, [this] { stepPage(1); });
  connect(ok, &QPushButton::clicked, this, [this] { onOk(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  connect(tabs_, &QTabWidget::currentChanged, this, [this] { updatePageButtons(); });

  cumulative_->setChecked(true);
  applyFeatureSwitches();
  tabs_->setCurrentIndex(kPreferencesPage);
  updatePageButtons();
}

QHBoxLayout* PreferencesDialog::pageHeading(QWidget* page, const QString& text,
                                            const QString& resetHint, const QString& resetName,
                                            const std::function<void()>& reset) {
  auto* head = new QHBoxLayout;
  head->addWidget(title(text, page));
  head->addStretch();
  auto* resetButton = button(QStringLiteral("&Reset"), resetHint, page);
  resetButton->setObjectName(resetName);
  // A reset acts on what the dialog shows, so the fields go in and come back.
  connect(resetButton, &QPushButton::clicked, this, [this, reset] {
    toControls();
    reset();
    fromControls();
  });
  head->addWidget(resetButton);
  return head;
}

QLineEdit* PreferencesDialog::numberField(const std::string& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(toQString(name));
  field->setFixedWidth(48);
  field->setAlignment(Qt::AlignRight);
  field->installEventFilter(new NumberKeyFilter(toQString(format_.decimalSeparator),
                                                toQString(format_.thousandsSeparator), field));
  fields_[name] = field;
  return field;
}

void PreferencesDialog::buildPreferencesPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);

  auto* options = new QVBoxLayout;
  welcome_ = new QCheckBox(QStringLiteral("Welcome message"), page);
  welcome_->setVisible(false);
  introduction_ = new QCheckBox(QStringLiteral("Project introduction screen"), page);
  introduction_->setToolTip(
      QStringLiteral("Show project introduction screen when a new project is started"));
  cumulative_ = new QCheckBox(QStringLiteral("Display payback values per year cumulative"), page);
  cumulative_->setToolTip(
      QStringLiteral("Display payback values for system calculation overview cumulative"));
  automaticUnit_ = new QCheckBox(QStringLiteral("Automatic power unit selection kW / MW "), page);
  automaticUnit_->setToolTip(QStringLiteral(
      "When checked the software automatically determines power units depending on the "
      "calculation"));
  updates_ = new QCheckBox(QStringLiteral("Check for updates"), page);
  updates_->setToolTip(QStringLiteral("Check if program update is available on the update server"));
  for (QCheckBox* box : {introduction_, cumulative_, automaticUnit_, updates_}) {
    options->addWidget(box);
  }
  proxyLink_ = new QLabel(QStringLiteral("<a href=\"proxy\">Use Proxy Server</a>"), page);
  proxyLink_->setObjectName(QStringLiteral("UseProxyLink"));
  connect(proxyLink_, &QLabel::linkActivated, this, [this] {
    if (OpenProxySettings) OpenProxySettings();
  });
  options->addWidget(proxyLink_);
  options->addStretch();
  grid->addLayout(options, 0, 0, 2, 1);

  auto* powerBox = new QGroupBox(QStringLiteral(" Power Units "), page);
  power_ = new QButtonGroup(this);
  auto* powerLayout = new QVBoxLayout(powerBox);
  powerLayout->addWidget(radio(QStringLiteral("kW"), power_, 1, powerBox));
  powerLayout->addWidget(radio(QStringLiteral("HP"), power_, 0, powerBox));
  powerBox->setObjectName(QStringLiteral("PowerUnits"));
  powerGroup_ = powerBox;
  grid->addWidget(powerBox, 0, 1);

  auto* unitBox = new QGroupBox(QStringLiteral(" Measurement / Weight / Pressure Units "), page);
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
  connect(units_, &QButtonGroup::idClicked, this, [this](int id) { onUnitSystem(id == 1); });
  grid->addWidget(unitBox, 1, 1);

  auto* currencyBox = new QGroupBox(QStringLiteral(" Currency "), page);
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

  auto* note = new QLabel(
      QStringLiteral(
          "Power Units and Currency can only be changed when there is no active project."),
      page);
  note->setWordWrap(true);
  grid->addWidget(note, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
  tabs_->addTab(page, QStringLiteral("Preferences"));
}

void PreferencesDialog::buildEfficiencyPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(pageHeading(page, QStringLiteral("Efficiency Setup"),
                                QStringLiteral("Reset efficiency values to default."),
                                QStringLiteral("ResetEfficiency"),
                                [this] { session_.procedures.Reset_Efficiency(); }));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("ASD / Inverter"), page), 0, 0);
  auto* drive = numberField("VfdE100", page);
  connect(drive, &QLineEdit::editingFinished, this, [this] {
    toControls();
    session_.procedures.Copy_Drive_Field();
    fromControls();
  });
  grid->addWidget(drive, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("%"), page), 0, 2);
  for (int flow = 90; flow >= 10; flow -= 10) {
    numberField("VfdE" + std::to_string(flow), page)->setVisible(false);
  }

  flowHeader_ = new QWidget(page);
  auto* header = new QHBoxLayout(flowHeader_);
  header->setContentsMargins(0, 0, 0, 0);
  auto* flowLabel = new QLabel(QStringLiteral("Flow"), flowHeader_);
  flowLabel->setFixedWidth(kRowLabelWidth);
  header->addWidget(flowLabel);
  for (const char* label : kFlowLabels) {
    auto* l = new QLabel(QString::fromLatin1(label), flowHeader_);
    l->setFixedWidth(48);
    l->setAlignment(Qt::AlignCenter);
    header->addWidget(l);
  }
  layout->addLayout(grid);
  layout->addSpacing(12);
  layout->addWidget(flowHeader_);

  const std::pair<const char*, const char*> rows[] = {
      {"Outlet Damper", "DE"}, {"Inlet Vane", "IvE"}, {"Throttling Valve", "VaE"}};
  for (int r = 0; r < 3; ++r) {
    auto* row = new QWidget(page);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QString::fromLatin1(rows[r].first), row);
    label->setFixedWidth(kRowLabelWidth);
    line->addWidget(label);
    for (int flow = 100; flow >= 10; flow -= 10) {
      line->addWidget(numberField(rows[r].second + std::to_string(flow), row));
    }
    curveRows_[r] = row;
    layout->addWidget(row);
  }
  layout->addStretch();
  tabs_->addTab(page, QStringLiteral("Efficiency Setup"));
}

void PreferencesDialog::buildCustomPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(pageHeading(page, QStringLiteral("Efficiency Setup"),
                                QStringLiteral("Reset custom efficiency values to default."),
                                QStringLiteral("ResetCustom"),
                                [this] { session_.procedures.Reset_Custom_Efficiency(); }));
  for (int c = 0; c < 2; ++c) {
    auto* panel = new QGroupBox(QStringLiteral("Custom Control %1").arg(c + 1), page);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(new QLabel(QStringLiteral("Title:"), panel), 0, 0);
    customTitles_[c] = new QLineEdit(panel);
    customTitles_[c]->setObjectName(QStringLiteral("CustomTitle%1").arg(c + 1));
    customTitles_[c]->installEventFilter(new TypingLimit(25, customTitles_[c]));
    customTitles_[c]->setToolTip(QStringLiteral("Enter custom control title here"));
    grid->addWidget(customTitles_[c], 0, 1, 1, 6);
    customSelected_[c] = new QCheckBox(QStringLiteral("Selected"), panel);
    customSelected_[c]->setVisible(false);
    grid->addWidget(new QLabel(QStringLiteral("Flow"), panel), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Efficiency"), panel), 2, 0);
    grid->setColumnMinimumWidth(0, 76);
    const std::string base = c == 0 ? "C1E" : "C2E";
    for (int i = 0; i < 10; ++i) {
      auto* l = new QLabel(QString::fromLatin1(kFlowLabels[i]), panel);
      l->setAlignment(Qt::AlignCenter);
      grid->addWidget(l, 1, i + 1);
      grid->addWidget(numberField(base + std::to_string(100 - 10 * i), panel), 2, i + 1);
    }
    layout->addWidget(panel);
  }
  layout->addStretch();
  tabs_->addTab(page, QStringLiteral("Custom Efficiency"));
}

void PreferencesDialog::buildCarbonPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(pageHeading(page, QStringLiteral("Carbon Footprint Calculation"),
                                QStringLiteral("Reset carbon footprint values to default."),
                                QStringLiteral("ResetCarbon"),
                                [this] { session_.procedures.Reset_Carbon_Footprint(); }));
  layout->addWidget(new QLabel(
      QStringLiteral("Calculate Carbon Dioxide (CO2) savings based on electricity produced from:"),
      page));

  auto* grid = new QGridLayout;
  fuel_ = new QButtonGroup(this);
  weightLabel_ = new QLabel(page);
  grid->addWidget(weightLabel_, 0, 1, 1, 2);
  const std::tuple<const char*, int, const char*> fuels[] = {{"Coal", 0, "CfpLbs1"},
                                                             {"Natural Gas", 1, "CfpLbs2"},
                                                             {"Oil", 2, "CfpLbs3"},
                                                             {"User defined", 3, "CfpLbs"}};
  int row = 1;
  for (auto [name, id, field] : fuels) {
    grid->addWidget(radio(QString::fromLatin1(name), fuel_, id, page), row, 0);
    auto* edit = numberField(field, page);
    edit->setText(QStringLiteral("1.000"));
    const std::string fieldName = field;
    connect(edit, &QLineEdit::editingFinished, this,
            [this, fieldName] { onFactorLeft(fieldName); });
    grid->addWidget(edit, row, 1);
    ++row;
  }
  fuelDescription_ = new QLineEdit(page);
  fuelDescription_->setObjectName(QStringLiteral("FuelDescription"));
  fuelDescription_->installEventFilter(new TypingLimit(12, fuelDescription_));
  grid->addWidget(fuelDescription_, row, 0);
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);
  layout->addSpacing(16);
  layout->addWidget(new QLabel(QStringLiteral("Important Notes: "), page));
  layout->addWidget(
      new QLabel(QStringLiteral("Weight unit based on selection in preferences."), page));
  layout->addWidget(new QLabel(
      QStringLiteral("Carbon emissions default conversion data is based on fuel type in Lbs of CO2 "
                     "for USA."),
      page));
  layout->addStretch();
  tabs_->addTab(page, QStringLiteral("Carbon Footprint"));
}

void PreferencesDialog::buildReportPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(new ReportLayoutPicture(page), 0, 0, 5, 1);
  grid->addWidget(new QLabel(QStringLiteral("#3: Indicates customer information."), page), 5, 0);
  grid->addWidget(new QLabel(QStringLiteral("Prepared By:"), page), 0, 1);
  preparedBy_ = new QPlainTextEdit(page);
  preparedBy_->setObjectName(QStringLiteral("PreparedBy"));
  preparedBy_->setToolTip(QStringLiteral("Enter your information here"));
  grid->addWidget(preparedBy_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Company Address Information:"), page), 2, 1);
  companyInfo_ = new QPlainTextEdit(page);
  companyInfo_->setObjectName(QStringLiteral("CompanyInformation"));
  companyInfo_->setToolTip(QStringLiteral("Enter company address information"));
  grid->addWidget(companyInfo_, 3, 1);
  // Both texts hold at most 240 characters: what goes beyond is refused
  // where it was typed or pasted, and the cursor stays there.
  for (QPlainTextEdit* edit : {preparedBy_, companyInfo_}) {
    connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
      constexpr int kMaxLength = 240;
      const int excess = edit->document()->characterCount() - 1 - kMaxLength;
      if (excess <= 0) return;
      QTextCursor cursor = edit->textCursor();
      const int end = cursor.position();
      const int start = end >= excess ? end - excess : kMaxLength;
      cursor.setPosition(start);
      cursor.setPosition(start + excess, QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
      edit->setTextCursor(cursor);
    });
  }

  logoPanel_ = new QGroupBox(page);
  auto* logo = new QGridLayout(logoPanel_);
  logo->addWidget(new QLabel(QStringLiteral("Custom Logo Filename:"), logoPanel_), 0, 0, 1, 3);
  logoFile_ = new QLineEdit(logoPanel_);
  logoFile_->setObjectName(QStringLiteral("LogoFile"));
  logoFile_->setToolTip(QStringLiteral("Filename to your logo"));
  logo->addWidget(logoFile_, 1, 0, 1, 3);
  auto* view = button(QStringLiteral("&View / Select Company Logo"),
                      QStringLiteral("View / Select company logo"), logoPanel_);
  auto* clear = button(QStringLiteral("&Clear"), QStringLiteral("Clear logo"), logoPanel_);
  logo->addWidget(view, 2, 0);
  logo->addWidget(clear, 2, 1);
  logo->addWidget(
      new QLabel(QStringLiteral("Your company logo will be displayed / printed \nin the "
                                "upper left section on the report (above block #1)."),
                 logoPanel_),
      3, 0, 1, 3);
  connect(view, &QPushButton::clicked, this, [this] { viewLogo(); });
  connect(clear, &QPushButton::clicked, this, [this] {
    if (FeatureOff(model::NoCompanyLogo)) return;
    logoFile_->clear();
    logoFile_->setToolTip(QString());
  });
  grid->addWidget(logoPanel_, 4, 1);
  tabs_->addTab(page, QStringLiteral("Report Layout"));
}

void PreferencesDialog::applyFeatureSwitches() {
  updates_->setVisible(!FeatureOff(model::NoUpdateCheck));
  proxyLink_->setVisible(!FeatureOff(model::NoUpdateCheck));
  tabs_->setTabVisible(kCustomPage, !FeatureOff(model::NoCustomCurves));
  const bool inlet = !(FeatureOff(model::NoFan) || FeatureOff(model::NoInletVane));
  const bool damper = !(FeatureOff(model::NoFan) || FeatureOff(model::NoOutletDamper));
  const bool valve = !FeatureOff(model::NoPump);
  curveRows_[0]->setVisible(damper);
  curveRows_[1]->setVisible(inlet);
  curveRows_[2]->setVisible(valve);
  flowHeader_->setVisible(inlet || damper || valve);
  cumulative_->setVisible(!FeatureOff(model::NoCumulativePayback));
  logoPanel_->setVisible(!FeatureOff(model::NoCompanyLogo));
}

void PreferencesDialog::Prepare_Show(Page page, bool projectActive) {
  // Power unit and currency belong to a project once one is open.
  powerGroup_->setEnabled(!projectActive);
  currencyGroup_->setEnabled(!projectActive);
  session_.procedures.Show_Dialog();
  fromControls();
  tabs_->setCurrentIndex(page);
  updatePageButtons();
}

int PreferencesDialog::Open(Page page, bool projectActive) {
  Prepare_Show(page, projectActive);
  return exec();
}

void PreferencesDialog::fromControls() {
  const auto& c = session_.controls;
  welcome_->setChecked(c.customerBlock);
  introduction_->setChecked(c.introductionScreen);
  cumulative_->setChecked(c.cumulativePayback);
  automaticUnit_->setChecked(c.automaticPowerUnit);
  updates_->setChecked(c.checkForUpdates);
  selectButton(power_, c.powerKw ? 1 : 0);
  selectButton(units_, c.metricUnits ? 1 : 0);
  selectButton(currency_, c.currencyButton);
  customCurrency_->setText(toQString(c.customCurrency));
  selectButton(fuel_, c.fuelButton);
  fuelDescription_->setText(toQString(c.fuelDescription));
  for (int i = 0; i < 2; ++i) {
    customTitles_[i]->setText(toQString(c.customTitles[static_cast<size_t>(i)]));
    customSelected_[i]->setChecked(c.customSelected[static_cast<size_t>(i)]);
  }
  for (auto& [name, field] : fields_)
    field->setText(toQString(session_.controls.field(name).text()));
  preparedBy_->setPlainText(toQString(c.preparedBy));
  companyInfo_->setPlainText(toQString(c.companyInformation));
  logoFile_->setText(toQString(c.companyLogoFile));
  logoFile_->setToolTip(toQString(c.companyLogoFile));
  weightLabel_->setText(
      QStringLiteral("Carbon emissions %1 of CO2 produced per kWh")
          .arg(toQString(std::string(session_.procedures.Factor_Fields_Weight_Label()))));
}

void PreferencesDialog::toControls() {
  auto& c = session_.controls;
  c.customerBlock = welcome_->isChecked();
  c.introductionScreen = introduction_->isChecked();
  c.cumulativePayback = cumulative_->isChecked();
  c.automaticPowerUnit = automaticUnit_->isChecked();
  c.checkForUpdates = updates_->isChecked();
  c.powerKw = power_->checkedId() == 1;
  c.metricUnits = units_->checkedId() == 1;
  c.currencyButton = currency_->checkedId();
  c.customCurrency = customCurrency_->text().toStdString();
  c.fuelButton = fuel_->checkedId();
  c.fuelDescription = fuelDescription_->text().toStdString();
  for (int i = 0; i < 2; ++i) {
    c.customTitles[static_cast<size_t>(i)] = customTitles_[i]->text().toStdString();
    c.customSelected[static_cast<size_t>(i)] = customSelected_[i]->isChecked();
  }
  for (auto& [name, field] : fields_) c.field(name).setText(field->text().toStdString());
  c.preparedBy = preparedBy_->toPlainText().toStdString();
  c.companyInformation = companyInfo_->toPlainText().toStdString();
  c.companyLogoFile = logoFile_->text().toStdString();
}

void PreferencesDialog::onOk() {
  toControls();
  if (session_.procedures.Save_Opt() && ProjectModified) ProjectModified();
  accept();
}

void PreferencesDialog::onFactorLeft(const std::string& name) {
  toControls();
  bool clamped = false;
  if (!session_.procedures.Check_Factor_Field(name, clamped)) return;
  if (clamped) alert_.play();
  fields_[name]->setText(toQString(session_.controls.field(name).text()));
  if (ProjectModified) ProjectModified();
}

void PreferencesDialog::onUnitSystem(bool metric) {
  toControls();
  session_.procedures.Convert_Factor_Fields(metric);
  fromControls();
}

int PreferencesDialog::neighbourPage(int direction) const {
  for (int i = tabs_->currentIndex() + direction; i >= 0 && i < tabs_->count(); i += direction) {
    if (tabs_->isTabVisible(i)) return i;
  }
  return -1;
}

void PreferencesDialog::stepPage(int direction) {
  const int page = neighbourPage(direction);
  if (page >= 0) tabs_->setCurrentIndex(page);
}

void PreferencesDialog::updatePageButtons() {
  back_->setEnabled(neighbourPage(-1) >= 0);
  next_->setEnabled(neighbourPage(1) >= 0);
}

void PreferencesDialog::viewLogo() {
  if (FeatureOff(model::NoCompanyLogo)) return;
  // The chosen file waits in its field for Ok, like every other choice here.
  CompanyLogoDialog dialog(logoFile_->text(), session_.messages, this);
  dialog.exec();
  if (dialog.accepted()) {
    logoFile_->setText(dialog.fileName());
    logoFile_->setToolTip(dialog.fileName());
  }
}

}  // namespace korvane::gui

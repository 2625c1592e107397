#include "gui/preferences/PreferencesDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/preferences/CarbonFootprintPage.h"
#include "gui/preferences/CustomEfficiencyPage.h"
#include "gui/preferences/EfficiencyPage.h"
#include "gui/preferences/OptionsPage.h"
#include "gui/preferences/ReportLayoutPage.h"
#include "model/FeatureSwitches.h"

namespace korvane::gui {

namespace {

QPushButton* button(const QString& text, const QString& hint, const QString& name,
                    QWidget* parent) {
  auto* b = dialogButton(text, hint, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

PreferencesDialog::PreferencesDialog(preferences::PreferenceProcedures& procedures,
                                     preferences::PreferencesControls& controls,
                                     MessageSink& messages, AlertSound& alert, QWidget* parent)
    : QDialog(parent), procedures_(procedures), controls_(controls) {
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
  options_ = new OptionsPage(*this, procedures_);
  options_->OpenProxySettings = [this] {
    if (OpenProxySettings) OpenProxySettings();
  };
  addPage(options_, QStringLiteral("Preferences"));
  addPage(new EfficiencyPage(*this, procedures_), QStringLiteral("Efficiency Setup"));
  addPage(new CustomEfficiencyPage(*this, procedures_), QStringLiteral("Custom Efficiency"));
  auto* carbon = new CarbonFootprintPage(*this, procedures_, alert);
  carbon->FactorChanged = [this] {
    if (ProjectModified) ProjectModified();
  };
  addPage(carbon, QStringLiteral("Carbon Footprint"));
  addPage(new ReportLayoutPage(*this, messages), QStringLiteral("Report Layout"));
  buildButtonBar(layout);

  connect(tabs_, &QTabWidget::currentChanged, this, [this] { updatePageButtons(); });
  tabs_->setTabVisible(kCustomPage, !model::FeatureOff(model::NoCustomCurves));
  tabs_->setCurrentIndex(kPreferencesPage);
  updatePageButtons();
}

void PreferencesDialog::addPage(PreferencesPage* page, const QString& caption) {
  pages_.push_back(page);
  tabs_->addTab(page, caption);
}

void PreferencesDialog::buildButtonBar(QVBoxLayout* layout) {
  auto* bar = new QHBoxLayout;
  back_ = button(QStringLiteral("&Go Back"), QStringLiteral("Go back one page"),
                 QStringLiteral("GoBack"), this);
  next_ = button(QStringLiteral("&Next Page"), QStringLiteral("Go to next page"),
                 QStringLiteral("NextPage"), this);
  auto* ok = button(QStringLiteral("&Ok"), QString(), QStringLiteral("Ok"), this);
  auto* cancel = button(QStringLiteral("&Cancel"), QString(), QStringLiteral("Cancel"), this);
  bar->addWidget(back_);
  bar->addWidget(next_);
  bar->addStretch();
  bar->addWidget(ok);
  bar->addWidget(cancel);
  layout->addLayout(bar);
  connect(back_, &QPushButton::clicked, this, [this] { stepPage(-1); });
  connect(next_, &QPushButton::clicked, this, [this] { stepPage(1); });
  connect(ok, &QPushButton::clicked, this, [this] { onOk(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PreferencesDialog::Prepare_Show(Page page, bool projectActive) {
  options_->setProjectActive(projectActive);
  procedures_.Show_Dialog();
  fromControls();
  tabs_->setCurrentIndex(page);
  updatePageButtons();
}

int PreferencesDialog::Open(Page page, bool projectActive) {
  Prepare_Show(page, projectActive);
  return exec();
}

void PreferencesDialog::change(const std::function<void()>& action) {
  toControls();
  action();
  fromControls();
}

preferences::PreferencesControls& PreferencesDialog::current() {
  toControls();
  return controls_;
}

void PreferencesDialog::fromControls() {
  for (PreferencesPage* page : pages_) page->load(controls_);
}

void PreferencesDialog::toControls() {
  for (const PreferencesPage* page : pages_) page->store(controls_);
}

void PreferencesDialog::onOk() {
  toControls();
  if (procedures_.Save_Opt() && ProjectModified) ProjectModified();
  accept();
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

}  // namespace korvane::gui

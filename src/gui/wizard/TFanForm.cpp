#include "gui/wizard/TFanForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/wizard/CustomerPage.h"
#include "gui/wizard/FieldWidgets.h"
#include "gui/wizard/SystemEditorPanel.h"
#include "gui/wizard/SystemsTreePanel.h"
#include "gui/wizard/UtilityPage.h"
#include "session/EstimatorSession.h"
#include "shell/RunState.h"

namespace korvane::gui {

namespace {

using wizard::EstimationWizard;

constexpr std::string_view kCaption = "Energy Savings Estimator";
constexpr std::string_view kWelcome = "Welcome to the Energy Savings Estimator";
constexpr std::string_view kFollowSteps =
    "Follow each step to complete your energy savings estimation.";
constexpr std::string_view kReportStep = "View, Print or E-mail Energy Savings Estimation Report";
constexpr std::string_view kShowIntroduction = "Show introduction screen";
constexpr std::array<const char*, wizard::kStepCount> kStepHelp = {"Step_1", "Step_2", "Step_3",
                                                                   "Step_4", "Step_5"};

QPushButton* button(const QString& caption, const char* name, const QString& hint,
                    QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

QLabel* heading(const QString& text, QWidget* parent, double scale) {
  auto* label = new QLabel(text, parent);
  QFont big = label->font();
  big.setPointSizeF(big.pointSizeF() * scale);
  big.setBold(true);
  label->setFont(big);
  return label;
}

}  // namespace

TFanForm::TFanForm(EstimatorSession& session, shell::RunState& state, QWidget* parent)
    : QDialog(parent),
      session_(session),
      state_(state),
      wizard_(std::make_unique<EstimationWizard>(session, state, *this)) {
  setObjectName(QStringLiteral("FanForm"));
  setWindowTitle(qtext(kCaption));
  setModal(true);
  resize(1000, 700);
  auto* layout = new QVBoxLayout(this);
  content_ = new QStackedWidget(this);
  layout->addWidget(content_);
  welcome_ = buildWelcome();
  pages_ = buildPages();
  content_->addWidget(welcome_);
  content_->addWidget(pages_);
  connectSwitches();
  wizard_->customer.ProjectNameChanged = [this] {
    if (ProjectNameChanged) ProjectNameChanged();
  };
  customer_->EditContactInformation = [this] {
    if (!EditReportLayout) return;
    EditReportLayout();
    // What the dialog changed reaches the results through the page change.
    run([this] { wizard_->Select_Step(wizard_->Step()); });
  };
  overview_->Changed = [this] { Reload(); };
  overview_->ShowCustomerStep = [this] { run([this] { wizard_->Select_Step(1); }); };
}

TFanForm::~TFanForm() = default;

QWidget* TFanForm::buildWelcome() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("pnlWelcome"));
  auto* column = new QVBoxLayout(page);
  column->addStretch();
  column->addWidget(heading(qtext(kWelcome), page, 1.8), 0, Qt::AlignHCenter);
  column->addWidget(new QLabel(qtext(kFollowSteps), page), 0, Qt::AlignHCenter);
  auto* list = new QVBoxLayout;
  for (int step = 1; step <= wizard::kStepCount; ++step) {
    const QString text =
        step == wizard::kStepCount ? qtext(kReportStep) : qtext(wizard::Step_Title(step, 0));
    auto* line = new QLabel(QStringLiteral("%1.  %2").arg(step).arg(text), page);
    if (step == 1) welcomeSteps_[0] = line;
    if (step == 3) welcomeSteps_[1] = line;
    list->addWidget(line);
  }
  auto* listRow = new QHBoxLayout;
  listRow->addStretch();
  listRow->addLayout(list);
  listRow->addStretch();
  column->addLayout(listRow);
  showIntroduction_ = new QCheckBox(qtext(kShowIntroduction), page);
  showIntroduction_->setObjectName(QStringLiteral("chkShowIntroduction"));
  connect(showIntroduction_, &QCheckBox::toggled, this,
          [this](bool on) { wizard_->showIntroduction = on; });
  column->addWidget(showIntroduction_, 0, Qt::AlignHCenter);
  auto* buttons = new QHBoxLayout;
  auto* start = button(QStringLiteral("&Start Project"), "bibStartProject", QString(), page);
  auto* help = button(QStringLiteral("&Help"), "bibWelcomeHelp", QString(), page);
  mainMenu_ = button(QStringLiteral("&Main Menu"), "bibMainMenu", QString(), page);
  buttons->addStretch();
  buttons->addWidget(start);
  buttons->addWidget(help);
  buttons->addWidget(mainMenu_);
  buttons->addStretch();
  column->addLayout(buttons);
  column->addStretch();
  connect(start, &QPushButton::clicked, this,
          [this] { run([this] { wizard_->Start_Project(); }); });
  connect(help, &QPushButton::clicked, this, [this] {
    if (Help) Help("NEW_PROJECT");
  });
  connect(mainMenu_, &QPushButton::clicked, this, [this] { close(); });
  return page;
}

QWidget* TFanForm::buildPages() {
  auto* area = new QWidget(this);
  auto* column = new QVBoxLayout(area);
  column->setContentsMargins(0, 0, 0, 0);
  steps_ = new QTabWidget(area);
  steps_->setObjectName(QStringLiteral("PageControl1"));
  // Five long titles do not fit 1000 pixels; every tab stays in sight.
  steps_->setElideMode(Qt::ElideRight);
  steps_->setUsesScrollButtons(false);
  customer_ = new CustomerPage(*wizard_, steps_);
  utility_ = new UtilityPage(session_, *wizard_, steps_);
  // One of the two step-3 views at a time; the page is as tall as the taller.
  step3_ = new QStackedWidget(steps_);
  step3_->setObjectName(QStringLiteral("Step3"));
  editor_ = new SystemEditorPanel(session_, *wizard_, step3_);
  overview_ = new SystemsTreePanel(session_, *wizard_, step3_);
  step3_->addWidget(editor_);
  step3_->addWidget(overview_);
  steps_->addTab(customer_, QString());
  steps_->addTab(utility_, QString());
  steps_->addTab(step3_, QString());
  // Steps 4 and 5 carry their titles; their pages come with the results and the report.
  for (int step = 4; step <= wizard::kStepCount; ++step) {
    auto* page = new QWidget(steps_);
    page->setObjectName(QStringLiteral("Step%1").arg(step));
    auto* pageLayout = new QVBoxLayout(page);
    titles_[static_cast<size_t>(step - 1)] = heading(QString(), page, 1.4);
    pageLayout->addWidget(titles_[static_cast<size_t>(step - 1)]);
    pageLayout->addStretch();
    steps_->addTab(page, QString());
  }
  column->addWidget(steps_, 1);
  column->addWidget(buildButtonBars());
  connect(steps_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!showingStep_) run([this, index] { wizard_->Select_Step(index + 1); });
  });
  return area;
}

QWidget* TFanForm::buildButtonBars() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  helpButtons_ = new QWidget(bar);
  auto* helpRow = new QHBoxLayout(helpButtons_);
  helpRow->setContentsMargins(0, 0, 0, 0);
  auto* help = button(QStringLiteral("&Help"), "bibHelp", QString(), helpButtons_);
  auto* calculator =
      button(QStringLiteral("&Calculator"), "bibCalculator", QString(), helpButtons_);
  helpRow->addWidget(help);
  helpRow->addWidget(calculator);
  row->addWidget(helpButtons_);
  row->addStretch();
  connect(help, &QPushButton::clicked, this, [this] {
    const int step = wizard_->Step();
    if (Help)
      Help(step >= 1 && step <= wizard::kStepCount ? kStepHelp[static_cast<size_t>(step - 1)]
                                                   : "contents");
  });
  connect(calculator, &QPushButton::clicked, this, [this] {
    if (Calculator) Calculator();
  });

  struct BarButton {
    const char* caption;
    const char* name;
    const char* hint;
    std::function<void()> action;
  };
  auto makeBar = [&](int view, const BarButton& first, const BarButton& goBack) {
    auto* w = new QWidget(bar);
    auto* r = new QHBoxLayout(w);
    r->setContentsMargins(0, 0, 0, 0);
    auto* back = button(QString::fromLatin1(goBack.caption), goBack.name,
                        QString::fromLatin1(goBack.hint), w);
    auto* main =
        button(QString::fromLatin1(first.caption), first.name, QString::fromLatin1(first.hint), w);
    r->addWidget(back);
    r->addWidget(main);
    connect(back, &QPushButton::clicked, this, [this, a = goBack.action] { run(a); });
    connect(main, &QPushButton::clicked, this, [this, a = first.action] { run(a); });
    bars_[static_cast<size_t>(view)] = w;
    goBack_[static_cast<size_t>(view)] = back;
    row->addWidget(w);
    return main;
  };
  EstimationWizard& w = *wizard_;
  continue_ =
      makeBar(wizard::kStandardBar, {"&Continue", "bibContinue", "", [&w] { w.Continue(); }},
              {"&Go Back", "bibGoBack", "", [&w] { w.Go_Back(); }});
  close_ = button(QStringLiteral("&Close"), "bibClose", QStringLiteral("Close active project"),
                  bars_[wizard::kStandardBar]);
  bars_[wizard::kStandardBar]->layout()->addWidget(close_);
  connect(close_, &QPushButton::clicked, this, [this] { close(); });
  makeBar(wizard::kAddSystemBar,
          {"&Add System", "bibAddSystem", "Add this system to the active project",
           [&w] { w.Add_System(); }},
          {"&Go Back", "bibGoBackAdd", "Go back to the previous screen",
           [&w] { w.Go_Back_From_Add(); }});
  makeBar(
      wizard::kUpdateSystemBar,
      {"&Update System", "bibUpdateSystem", "Apply changes to system", [&w] { w.Update_System(); }},
      {"&Go Back", "bibGoBackUpdate", "Go back to the previous screen / Cancel changes",
       [&w] { w.Go_Back_From_Update(); }});
  return bar;
}

void TFanForm::connectSwitches() {
  EstimationWizard& w = *wizard_;
  w.formContent.Set_Members([this](int view, bool shown) {
    if (shown) content_->setCurrentIndex(view);
  });
  w.mainArea.Set_Members([this](int view, bool shown) {
    if (view == wizard::kStepPages) pages_->setVisible(shown);
  });
  w.buttonBar.Set_Members(
      [this](int view, bool shown) { bars_[static_cast<size_t>(view)]->setVisible(shown); });
  w.continueOrClose.Set_Members([this](int view, bool shown) {
    (view == wizard::kContinueShown ? static_cast<QWidget*>(continue_) : close_)->setVisible(shown);
  });
  w.helpButtons.Set_Members([this](int view, bool shown) {
    if (view == wizard::kHelpButtonsShown) helpButtons_->setVisible(shown);
  });
  w.step3.Set_Members([this](int view, bool shown) {
    if (shown) step3_->setCurrentIndex(view);
  });
  w.hoursEntry.Set_Members([this](int view, bool shown) { editor_->showHoursRows(view, shown); });
  w.applicationLayout.Set_Members([this](int view, bool shown) {
    if (shown) {
      editor_->showApplicationLayout(
          wizard::ApplicationTypeLayout(static_cast<model::ApplicationType>(view)));
    }
  });
}

void TFanForm::run(const std::function<void()>& operation) {
  operation();
  Reload();
}

// The step titles take the project type as it is stored (0 one system, 1 several).
int TFanForm::titleType() const {
  return state_.ProjectType == model::ProjectType::MultiSystem ? 1 : 0;
}

void TFanForm::showTitles() {
  const int type = titleType();
  for (int step = 1; step <= wizard::kStepCount; ++step) {
    steps_->setTabText(step - 1, qtext(wizard::Step_Caption(step, type)));
    if (QLabel* title = titles_[static_cast<size_t>(step - 1)]) {
      title->setText(qtext(wizard::Step_Title(step, type)));
    }
  }
  welcomeSteps_[0]->setText(QStringLiteral("1.  ") + qtext(wizard::Step_Title(1, type)));
  welcomeSteps_[1]->setText(QStringLiteral("3.  ") + qtext(wizard::Step_Title(3, type)));
}

void TFanForm::Reload() {
  showTitles();
  customer_->load(qtext(wizard::Step_Title(1, titleType())));
  utility_->load();
  editor_->load();
  overview_->load();
  const QSignalBlocker block(showIntroduction_);
  showIntroduction_->setChecked(wizard_->showIntroduction);
}

void TFanForm::Prepare_Show() {
  wizard_->Form_Show();
  // The editor shows the rows of the type it holds.
  if (wizard_->editor.choices.applicationType) {
    wizard_->Set_Application_Type(wizard_->editor.choices.applicationType);
  }
  overview_->load(true);
  Reload();
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

int TFanForm::Open() {
  Prepare_Show();
  return exec();
}

void TFanForm::After_Project_Read(const OpenOutcome& opened) {
  wizard_->After_Project_Read(opened);
  Reload();
}

void TFanForm::Show_Step(int step) {
  showingStep_ = true;
  steps_->setCurrentIndex(step - 1);
  showingStep_ = false;
}

void TFanForm::Close_Wizard() {
  close();
}

void TFanForm::Focus_Project_Name() {
  customer_->projectName()->setFocus(Qt::OtherFocusReason);
}

void TFanForm::Show_System_Counter(std::string_view count) {
  overview_->showCounter(qtext(count));
}

void TFanForm::closeEvent(QCloseEvent* event) {
  if (!wizard_->Form_Close_Query()) {
    event->ignore();
    Reload();
    return;
  }
  wizard_->Form_Close();
  Reload();
  event->accept();
  // QDialog's own close would come back through reject(), which is Escape's.
  done(QDialog::Rejected);
}

void TFanForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !wizard_->wizard.WizardReady) return;
  if (isActiveWindow()) {
    wizard_->Activated();
  } else {
    wizard_->Deactivated();
  }
}

void TFanForm::reject() {
  // Escape answers "Main Menu" on the welcome screen and "Go Back" elsewhere.
  if (wizard_->formContent.Current() == wizard::kWelcomeScreen) {
    mainMenu_->click();
    return;
  }
  const int bar = wizard_->buttonBar.Current();
  if (bar >= 0 && pages_->isVisibleTo(this)) goBack_[static_cast<size_t>(bar)]->click();
}

}  // namespace korvane::gui

#include "gui/shell/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "gui/calculators/FormulaDialog.h"
#include "gui/platform/QtPlatform.h"
#include "gui/platform/QtText.h"
#include "gui/preferences/PreferencesDialog.h"
#include "gui/shell/AboutDialog.h"
#include "gui/shell/Artwork.h"
#include "gui/shell/DesktopServices.h"
#include "gui/shell/ProjectTypeDialog.h"
#include "gui/update/ProxyDialog.h"
#include "gui/update/UpdateAgent.h"
#include "gui/wizard/TFanForm.h"
#include "model/FeatureSwitches.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "session/EstimatorSession.h"
#include "update/UpdateCheck.h"

namespace korvane::gui {

namespace {

constexpr int kSplashMilliseconds = 2000;

// "Description (*.ext)" as a Qt file-dialog filter, unchanged.
QString filter(std::string_view f) {
  return toQString(f);
}

// The window's background: the product picture.
class Backdrop : public QWidget {
 public:
  explicit Backdrop(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    PaintProductPicture(p, rect(), true);
  }
};

// A status-bar panel that acts when clicked.
class ClickablePanel : public QLabel {
 public:
  ClickablePanel(std::function<void()> onClick, QWidget* parent)
      : QLabel(parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent*) override { onClick_(); }

 private:
  std::function<void()> onClick_;
};

}  // namespace

MainWindow::MainWindow(EstimatorSession& session, shell::RunState& state, AlertSound& alert,
                       MessageSink& messages, const preferences::NumberFormat& format)
    : session_(session),
      state_(state),
      messages_(messages),
      lifecycle_(session, state, *this),
      preferences_(std::make_unique<PreferencesDialog>(session.procedures, session.controls,
                                                       messages, alert, this)),
      projectType_(std::make_unique<ProjectTypeDialog>(state, this)),
      about_(std::make_unique<AboutDialog>(this)),
      englishFormulas_(std::make_unique<FormulaDialog>(calculators::UnitSystem::English, format,
                                                       alert, messages, this)),
      metricFormulas_(std::make_unique<FormulaDialog>(calculators::UnitSystem::Metric, format,
                                                      alert, messages, this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(toQString(shell::kApplicationTitle));
  resize(1024, 700);
  setCentralWidget(new Backdrop(this));
  buildMenus();
  buildToolBar();
  buildStatusBar();
  updates_ = std::make_unique<UpdateAgent>(session.store, messages, session.values.autoUpdateCheck,
                                           panels_[3], this);
  updates_->check().NoticeClosed = [this] { openStartupFile(); };
  preferences_->OpenProxySettings = [this] { updates_->proxyDialog().exec(); };
  preferences_->ProjectModified = [this] {
    if (state_.ProjectActive) state_.ProjectModified = true;
  };
  const auto help = [this](const char* topic) {
    GetHelp(QString::fromLatin1(topic), toQString(state_.ProgramFolder), messages_);
  };
  projectType_->Help = help;
  englishFormulas_->Help = help;
  metricFormulas_->Help = help;
  connectWizard(help);
}

void MainWindow::connectWizard(const std::function<void(const char*)>& help) {
  wizard_ = std::make_unique<TFanForm>(session_, state_, this);
  wizard_->Help = help;
  wizard_->Calculator = [this] { StartCalculator(messages_); };
  wizard_->EditReportLayout = [this] {
    preferences_->Open(PreferencesDialog::kReportPage, state_.ProjectActive);
  };
  wizard_->ProjectNameChanged = [this] { Update_Status_Bar(); };
  OpenWizard = [this] { wizard_->Open(); };
  lifecycle_.TreeOrder = [this] { return wizard_->core().ReportSystemOrder(); };
  lifecycle_.ProjectRead = [this](const OpenOutcome& opened) {
    wizard_->After_Project_Read(opened);
  };
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  newAction_ =
      file->addAction(QStringLiteral("New Project"), this, [this] { lifecycle_.New_Project(); });
  newAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
  activeAction_ = file->addAction(QStringLiteral("Active Project"), this,
                                  [this] { lifecycle_.Active_Project(); });
  activeAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
  file->addSeparator();
  openAction_ =
      file->addAction(QStringLiteral("Open Project"), this, [this] { lifecycle_.Open_Project(); });
  openAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
  file->addSeparator();
  file->addAction(QStringLiteral("Save Project As..."), this, [this] { lifecycle_.Save_As(); })
      ->setShortcut(QKeySequence(Qt::Key_F3));
  file->addAction(QStringLiteral("Save Project"), this, [this] { lifecycle_.Save(); })
      ->setShortcut(QKeySequence(Qt::Key_F2));
  file->addSeparator();
  file->addAction(QStringLiteral("Close Project"), this, [this] { lifecycle_.Close_Project(); });
  file->addSeparator();
  file->addAction(QStringLiteral("Program Setup"), this, [this] { programSetup(); })
      ->setShortcut(QKeySequence(Qt::Key_F5));
  file->addSeparator();
  for (int i = 0; i < 4; ++i) {
    recent_[static_cast<size_t>(i)] =
        file->addAction(QString(), this, [this, i] { lifecycle_.Reopen_Recent(i + 1); });
    recent_[static_cast<size_t>(i)]->setVisible(false);
  }
  file->addSeparator();
  file->addAction(QStringLiteral("Exit Program"), this, &QWidget::close)
      ->setShortcut(QKeySequence(QStringLiteral("Alt+X")));

  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->addAction(QStringLiteral("Calculator"), this, [this] { StartCalculator(messages_); });
  tools->addAction(QStringLiteral("Formulas (English Units)"), this,
                   [this] { englishFormulas_->Open(); });
  tools->addAction(QStringLiteral("Formulas (Metric Units)"), this,
                   [this] { metricFormulas_->Open(); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("Contents and Index"), this,
                  [this] {
                    GetHelp(QStringLiteral("HLP_CONTENTS"), toQString(state_.ProgramFolder),
                            messages_);
                  })
      ->setShortcut(QKeySequence(Qt::Key_F1));
  help->addSeparator();
  help->addAction(QStringLiteral("Visit us on the Web"), this, [] { VisitWebSite(); });
  help->addAction(QStringLiteral("Check for Update"), this,
                  [this] { updates_->check().Manual_Check(); })
      ->setVisible(!model::FeatureOff(model::NoUpdateCheck));
  help->addSeparator();
  help->addAction(QStringLiteral("About"), this, [this] { about_->exec(); });
}

void MainWindow::buildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Energy Estimator"));
  bar->setObjectName(QStringLiteral("EnergyEstimator"));
  bar->setMovable(false);
  bar->setIconSize(QSize(32, 32));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  newAction_->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  openAction_->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  activeAction_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  bar->addAction(newAction_);
  bar->addAction(openAction_);
  bar->addAction(activeAction_);
}

void MainWindow::buildStatusBar() {
  panels_[0] = new QLabel(this);
  panels_[1] = new QLabel(this);
  panels_[2] = new ClickablePanel([this] { lifecycle_.Active_Project(); }, this);
  panels_[3] = new ClickablePanel([this] { updates_->check().Manual_Check(); }, this);
  statusBar()->addWidget(panels_[0], 3);
  statusBar()->addWidget(panels_[1], 2);
  statusBar()->addWidget(panels_[2], 1);
  statusBar()->addPermanentWidget(panels_[3]);
  panels_[3]->setToolTip(QString::fromLatin1(update::kPanelHint.data()));
  panels_[3]->setVisible(false);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  First_Shown();
}

void MainWindow::First_Shown() {
  setWindowTitle(toQString(shell::kApplicationTitle));
  QTimer::singleShot(kSplashMilliseconds, this, [this] {
    if (CloseSplash) CloseSplash();
  });
  SettingsStore& store = session_.store;
  state_.FirstRun = settings::kFirstRun.read(store);
  settings::kProgramPath.write(store, state_.ProgramFolder);
  settings::kProgramVersion.write(store, shell::kProgramVersion);
  lifecycle_.Load_Recent_Projects();
  session_.procedures.Load_OPT2();
  lifecycle_.RefreshRecentProjects();
  Update_Status_Bar();
  if (!model::FeatureOff(model::NoUpdateCheck)) updates_->proxyDialog().Load_Proxy_settings();
  // On the first run the file opens once the update notice was answered.
  if (!updates_->check().Notice_Due(state_.FirstRun)) openStartupFile();
  updates_->check().Begin(state_.FirstRun);
  // Asked once the window is up, so the question has a window behind it.
  QTimer::singleShot(0, this, [this] { lifecycle_.Offer_Recovery_Files(); });
}

// The file opens once the window is on the screen, so that a message about a
// damaged file appears over the window and not before it (nor under the splash).
void MainWindow::openStartupFile() {
  if (state_.StartupFile.empty() || !QFileInfo(toQString(state_.StartupFile)).isFile()) return;
  QTimer::singleShot(0, this, [this] {
    if (CloseSplash) CloseSplash();
    lifecycle_.OpenProjectFile(state_.StartupFile);
    lifecycle_.RefreshRecentProjects();
    Update_Status_Bar();
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (lifecycle_.May_Exit()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::programSetup() {
  session_.procedures.Load_OPT();
  preferences_->Open(PreferencesDialog::kPreferencesPage, state_.ProjectActive);
  Update_Status_Bar();
}

std::optional<std::string> MainWindow::Ask_Open_Path(std::string_view title, std::string_view f,
                                                     const std::string& folder) {
  const QString path =
      QFileDialog::getOpenFileName(this, toQString(title), toQString(folder), filter(f));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> MainWindow::Ask_Save_Path(std::string_view title, std::string_view f,
                                                     const std::string& folder,
                                                     const std::string& proposedName) {
  QFileDialog dialog(this, toQString(title), toQString(folder), filter(f));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The program asks itself before replacing a file, after mending the name.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(toQString(proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

void MainWindow::Show_Project_Type_Dialog() {
  projectType_->Prepare_Show();
  projectType_->exec();
}

void MainWindow::Show_Wizard() {
  if (OpenWizard) OpenWizard();
}

void MainWindow::Set_Caption(const std::string& caption) {
  setWindowTitle(toQString(caption));
}

void MainWindow::Update_Status_Bar() {
  panels_[0]->setText(toQString(lifecycle_.Status_Project_Name()));
  panels_[1]->setText(toQString(lifecycle_.Status_Project_Type()));
  panels_[2]->setText(toQString(lifecycle_.Status_Active()));
  panels_[2]->setStyleSheet(state_.ProjectActive ? QStringLiteral("color: red;")
                                                 : QStringLiteral("color: black;"));
}

void MainWindow::Show_Recent_Projects(const std::array<std::string, 4>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    recent_[i]->setText(toQString(entries[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    recent_[i]->setVisible(!entries[i].empty());
  }
}

std::string MainWindow::Today() {
  return TodayShortDate();
}

}  // namespace korvane::gui

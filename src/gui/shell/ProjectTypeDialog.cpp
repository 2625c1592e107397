#include "gui/shell/ProjectTypeDialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/FeatureSwitches.h"
#include "shell/ProjectTypeChoice.h"

namespace korvane::gui {

namespace {

QLabel* wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

QLabel* bold(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.15);
  label->setFont(font);
  return label;
}

}  // namespace

ProjectTypeDialog::ProjectTypeDialog(shell::RunState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle(QStringLiteral("Energy Savings Estimator"));
  setObjectName(QStringLiteral("ProjectTypeDialog"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Select from the following project options:"), this));
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  layout->addWidget(rule);

  auto* single = new QGroupBox(this);
  auto* singleLayout = new QVBoxLayout(single);
  singleLayout->addWidget(bold(QStringLiteral("Single System Project"), single));
  singleLayout->addWidget(
      wrapped(QStringLiteral("Define your drive controlled fan or pump application "
                             "system and estimate your investment and energy "
                             "savings."),
              single));
  auto* row = new QHBoxLayout;
  auto* caption = new QLabel(QStringLiteral("Application:"), single);
  applications_ = new QComboBox(single);
  applications_->setObjectName(QStringLiteral("Applications"));
  caption->setBuddy(applications_);
  for (const shell::ApplicationEntry& entry : shell::ApplicationEntries()) {
    applications_->addItem(QString::fromStdString(entry.name), model::ToNumber(entry.application));
  }
  const bool hidden = model::FeatureOff(model::HideApplicationType);
  caption->setVisible(!hidden);
  applications_->setVisible(!hidden);
  row->addWidget(caption);
  row->addWidget(applications_, 1);
  auto* startSingle = new QPushButton(QStringLiteral("&Start"), single);
  startSingle->setObjectName(QStringLiteral("StartSingle"));
  startSingle->setToolTip(QStringLiteral("Start Estimation"));
  row->addWidget(startSingle);
  singleLayout->addLayout(row);
  singleLayout->addWidget(
      new QLabel(QStringLiteral("Select application then click start button."), single));
  singleLayout->addWidget(new QLabel(
      QStringLiteral("Note: The application can always be changed once a project is started."),
      single));
  layout->addWidget(single);

  auto* multi = new QGroupBox(this);
  auto* multiLayout = new QVBoxLayout(multi);
  multiLayout->addWidget(bold(QStringLiteral("Multi Drive System Project"), multi));
  multiLayout->addWidget(
      wrapped(QStringLiteral(
                  "Define a project that contains multiple drive controlled fan or pump systems "
                  "of equal or different size, and estimate your investment and energy savings. "),
              multi));
  auto* multiRow = new QHBoxLayout;
  multiRow->addWidget(
      new QLabel(QStringLiteral("Click start button to select project with multiple systems."),
                 multi),
      1);
  auto* startMulti = new QPushButton(QStringLiteral("&Start"), multi);
  startMulti->setObjectName(QStringLiteral("StartMulti"));
  startMulti->setToolTip(QStringLiteral("Start Estimation"));
  multiRow->addWidget(startMulti);
  multiLayout->addLayout(multiRow);
  layout->addWidget(multi);

  auto* bar = new QHBoxLayout;
  auto* help = new QPushButton(QStringLiteral("&Help"), this);
  help->setToolTip(QStringLiteral("Get Help!"));
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setToolTip(QStringLiteral("Go Back to the main menu"));
  bar->addWidget(help);
  bar->addStretch();
  bar->addWidget(cancel);
  layout->addLayout(bar);

  connect(startSingle, &QPushButton::clicked, this, [this] { Start_Single(); });
  connect(startMulti, &QPushButton::clicked, this, [this] { Start_Multi(); });
  connect(help, &QPushButton::clicked, this, [this] {
    if (Help) Help("NEW_PROJECT");
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedWidth(520);
  setFixedHeight(sizeHint().height());
}

void ProjectTypeDialog::Prepare_Show() {
  if (applications_->count() > 0) applications_->setCurrentIndex(0);
}

void ProjectTypeDialog::Start_Single() {
  const int index = applications_->currentIndex();
  const auto entries = shell::ApplicationEntries();
  const shell::ApplicationEntry* current = index >= 0 && index < static_cast<int>(entries.size())
                                               ? &entries[static_cast<size_t>(index)]
                                               : nullptr;
  if (shell::SetUpSingleSystemProject(state_, current)) accept();
}

void ProjectTypeDialog::Start_Multi() {
  shell::SetUpMultiSystemProject(state_);
  accept();
}

}  // namespace korvane::gui

#include "gui/preferences/ReportLayoutPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QTextCursor>

#include "gui/shell/CompanyLogoDialog.h"
#include "model/FeatureSwitches.h"

namespace korvane::gui {

namespace {

using model::FeatureOff;

// The sketch of where each block of the report goes.
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

// Both texts hold at most 240 characters: what goes beyond is refused where
// it was typed or pasted, and the cursor stays there.
void limitLength(QPlainTextEdit* edit) {
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
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

}  // namespace

ReportLayoutPage::ReportLayoutPage(DialogModel& model, MessageSink& messages)
    : PreferencesPage(model), messages_(messages) {
  auto* grid = new QGridLayout(this);
  grid->addWidget(new ReportLayoutPicture(this), 0, 0, 5, 1);
  grid->addWidget(new QLabel(QStringLiteral("#3: Indicates customer information."), this), 5, 0);
  grid->addWidget(new QLabel(QStringLiteral("Prepared By:"), this), 0, 1);
  preparedBy_ = new QPlainTextEdit(this);
  preparedBy_->setObjectName(QStringLiteral("PreparedBy"));
  preparedBy_->setToolTip(QStringLiteral("Enter your information here"));
  grid->addWidget(preparedBy_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Company Address Information:"), this), 2, 1);
  companyInfo_ = new QPlainTextEdit(this);
  companyInfo_->setObjectName(QStringLiteral("CompanyInformation"));
  companyInfo_->setToolTip(QStringLiteral("Enter company address information"));
  grid->addWidget(companyInfo_, 3, 1);
  limitLength(preparedBy_);
  limitLength(companyInfo_);
  buildLogoPanel();
  grid->addWidget(logoPanel_, 4, 1);
  logoPanel_->setVisible(!FeatureOff(model::NoCompanyLogo));
}

void ReportLayoutPage::buildLogoPanel() {
  logoPanel_ = new QGroupBox(this);
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
}

void ReportLayoutPage::viewLogo() {
  if (FeatureOff(model::NoCompanyLogo)) return;
  // The chosen file waits in its field for Ok, like every other choice here.
  CompanyLogoDialog dialog(logoFile_->text(), messages_, this);
  dialog.exec();
  if (dialog.accepted()) showLogoFile(dialog.fileName());
}

void ReportLayoutPage::showLogoFile(const QString& fileName) {
  logoFile_->setText(fileName);
  logoFile_->setToolTip(fileName);
}

void ReportLayoutPage::load(const preferences::PreferencesControls& controls) {
  preparedBy_->setPlainText(q(controls.preparedBy));
  companyInfo_->setPlainText(q(controls.companyInformation));
  showLogoFile(q(controls.companyLogoFile));
}

void ReportLayoutPage::store(preferences::PreferencesControls& controls) const {
  controls.preparedBy = preparedBy_->toPlainText().toStdString();
  controls.companyInformation = companyInfo_->toPlainText().toStdString();
  controls.companyLogoFile = logoFile_->text().toStdString();
}

}  // namespace korvane::gui

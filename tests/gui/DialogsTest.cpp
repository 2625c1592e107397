#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FindChild.h"
#include "SessionFixture.h"
#include "gui/calculators/FormulaDialog.h"
#include "gui/platform/QSettingsStore.h"
#include "gui/preferences/PreferencesDialog.h"
#include "gui/shell/CompanyLogoDialog.h"
#include "gui/shell/DesktopServices.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/ProjectTypeDialog.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"

namespace korvane::gui {
namespace {

using korvane::testing::SessionFixture;

using korvane::testing::child;

// Types into a field and leaves it, as the user does.
void typeAndLeave(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  emit field->editingFinished();
}

class PreferencesDialogTest : public SessionFixture {
 protected:
  void SetUp() override { start(); }
  PreferencesDialog dialog{session.procedures, controls, messages, alert};
};

TEST_F(PreferencesDialogTest, PowerAndCurrencyWaitForNoActiveProject) {
  dialog.Prepare_Show(PreferencesDialog::kPreferencesPage, true);
  EXPECT_FALSE(child(dialog, "PowerUnits")->isEnabled());
  EXPECT_FALSE(child(dialog, "Currency")->isEnabled());
  EXPECT_TRUE(child(dialog, "UnitSystem")->isEnabled());
  dialog.Prepare_Show(PreferencesDialog::kPreferencesPage, false);
  EXPECT_TRUE(child(dialog, "PowerUnits")->isEnabled());
  EXPECT_TRUE(child(dialog, "Currency")->isEnabled());
}

TEST_F(PreferencesDialogTest, UnitSystemConvertsTheFactorsOnce) {
  dialog.Prepare_Show(PreferencesDialog::kCarbonPage, false);
  auto* coal = child<QLineEdit>(dialog, "CfpLbs1");
  EXPECT_EQ(coal->text(), "0.705");
  child<QRadioButton>(dialog, "Metric")->click();
  EXPECT_EQ(coal->text(), "0.320");
  child<QRadioButton>(dialog, "Metric")->click();
  EXPECT_EQ(coal->text(), "0.320");
  child<QRadioButton>(dialog, "English")->click();
  EXPECT_EQ(coal->text(), "0.705");
}

TEST_F(PreferencesDialogTest, FactorFieldsTakeDigitsOnlyAndAreClamped) {
  dialog.Prepare_Show(PreferencesDialog::kCarbonPage, false);
  dialog.show();
  auto* gas = child<QLineEdit>(dialog, "CfpLbs2");
  int modified = 0;
  dialog.ProjectModified = [&] { ++modified; };
  typeAndLeave(gas, QStringLiteral("2x.5y"));
  EXPECT_EQ(gas->text(), "2.000") << "letters never get in; 2.5 is above the maximum";
  EXPECT_EQ(alert.played, 1);
  EXPECT_EQ(modified, 1);
  child<QPushButton>(dialog, "ResetCarbon")->click();
  EXPECT_EQ(gas->text(), "0.419");
}

TEST_F(PreferencesDialogTest, CancelKeepsEverythingAsItWas) {
  dialog.Prepare_Show(PreferencesDialog::kCarbonPage, false);
  dialog.show();
  typeAndLeave(child<QLineEdit>(dialog, "CfpLbs1"), QStringLiteral("0.9"));
  child<QRadioButton>(dialog, "Metric")->click();
  child<QPushButton>(dialog, "ResetEfficiency")->click();
  child<QPushButton>(dialog, "Cancel")->click();
  EXPECT_EQ(store.readText("CARBONFP", "CBFPCONV1", ""), "0.705");
  EXPECT_EQ(session.catalogue.Get_Prm_Value(model::kPrmCo2Coal), 0.705f);
  EXPECT_EQ(values.weightLabel, "Lbs");

  dialog.Prepare_Show(PreferencesDialog::kCarbonPage, false);
  EXPECT_EQ(child<QLineEdit>(dialog, "CfpLbs1")->text(), "0.705");
  EXPECT_TRUE(child<QRadioButton>(dialog, "English")->isChecked());
}

TEST_F(PreferencesDialogTest, PageButtonsStopAtTheEnds) {
  dialog.Prepare_Show(PreferencesDialog::kPreferencesPage, false);
  auto* back = child<QPushButton>(dialog, "GoBack");
  auto* next = child<QPushButton>(dialog, "NextPage");
  EXPECT_FALSE(back->isEnabled());
  EXPECT_TRUE(next->isEnabled());
  next->click();
  EXPECT_TRUE(back->isEnabled());
  dialog.Prepare_Show(PreferencesDialog::kReportPage, false);
  EXPECT_FALSE(next->isEnabled());
  EXPECT_TRUE(back->isEnabled());
}

TEST_F(PreferencesDialogTest, ReportTextsRefuseTypingBeyondTheirLength) {
  dialog.Prepare_Show(PreferencesDialog::kReportPage, false);
  dialog.show();
  auto* prepared = child<QPlainTextEdit>(dialog, "PreparedBy");
  prepared->setPlainText(QString(238, QLatin1Char('x')));
  QTextCursor cursor = prepared->textCursor();
  cursor.setPosition(10);
  prepared->setTextCursor(cursor);
  prepared->setFocus();
  QTest::keyClicks(prepared, QStringLiteral("abcd"));
  const QString text = prepared->toPlainText();
  EXPECT_EQ(text.size(), 240);
  EXPECT_EQ(text.mid(10, 3), QStringLiteral("abx")) << "the keys beyond the limit are refused";
  EXPECT_EQ(prepared->textCursor().position(), 12);
}

TEST_F(PreferencesDialogTest, LongStoredTextsAreShownWhole) {
  store.writeText("PROGRAM", "CC", "ABCDEFG");
  session.procedures.Load_OPT();
  dialog.Prepare_Show(PreferencesDialog::kPreferencesPage, false);
  auto* currency = child<QLineEdit>(dialog, "CustomCurrency");
  EXPECT_EQ(currency->text(), "ABCDEFG");
  currency->clear();
  currency->setFocus();
  QTest::keyClicks(currency, QStringLiteral("CHFX"));
  EXPECT_EQ(currency->text(), "CHF") << "three characters are typed at most";
}

TEST_F(PreferencesDialogTest, OkSavesAndReportsResultChanges) {
  dialog.Prepare_Show(PreferencesDialog::kPreferencesPage, false);
  dialog.show();
  int modified = 0;
  dialog.ProjectModified = [&] { ++modified; };
  child<QRadioButton>(dialog, "Euro")->click();
  child<QPushButton>(dialog, "Ok")->click();
  EXPECT_EQ(store.readText("PROGRAM", "CS", ""), "0");
  EXPECT_EQ(values.currencySymbol, "€");
  EXPECT_EQ(modified, 1);
}

TEST_F(PreferencesDialogTest, DriveFieldFillsTheHiddenPoints) {
  dialog.Prepare_Show(PreferencesDialog::kEfficiencyPage, false);
  dialog.show();
  typeAndLeave(child<QLineEdit>(dialog, "VfdE100"), QStringLiteral("95"));
  EXPECT_EQ(child<QLineEdit>(dialog, "VfdE10")->text(), "95");
  child<QPushButton>(dialog, "Ok")->click();
  EXPECT_EQ(project.Get_Curve(3, 1, 10), 95);
}

TEST(PreferencesPages, NextPageSkipsHiddenPages) {
  model::testing::ScopedFeatureWord word(model::kEditionFeatureWord |
                                         (1u << model::NoCustomCurves));
  korvane::testing::FakeMessageSink messages;
  korvane::testing::FakeAlertSound alert;
  korvane::testing::FakeProgramExit exit;
  MemorySettingsStore store;
  EstimatorSession session(messages, alert, exit, store);
  ASSERT_TRUE(session.Start());
  PreferencesDialog dialog(session.procedures, session.controls, messages, alert);
  dialog.Prepare_Show(PreferencesDialog::kEfficiencyPage, false);
  auto* next = child<QPushButton>(dialog, "NextPage");
  next->click();
  EXPECT_EQ(dialog.tabs()->currentIndex(), PreferencesDialog::kCarbonPage);
  next->click();
  next->click();
  EXPECT_EQ(dialog.tabs()->currentIndex(), PreferencesDialog::kReportPage) << "stays on the last";
  child<QPushButton>(dialog, "GoBack")->click();
  child<QPushButton>(dialog, "GoBack")->click();
  EXPECT_EQ(dialog.tabs()->currentIndex(), PreferencesDialog::kEfficiencyPage);
}

TEST(ProjectTypeDialogTest, StartsRecordTheChoice) {
  shell::RunState state;
  ProjectTypeDialog dialog(state);
  dialog.Prepare_Show();
  auto* list = child<QComboBox>(dialog, "Applications");
  ASSERT_EQ(list->count(), 2);
  list->setCurrentIndex(1);
  child<QPushButton>(dialog, "StartSingle")->click();
  EXPECT_TRUE(state.NewProjectPending);
  EXPECT_EQ(state.ProjectType, model::ProjectType::SingleSystem);
  EXPECT_EQ(state.NewProjectApplication, model::ApplicationType::Pump);
  dialog.Prepare_Show();
  EXPECT_EQ(list->currentIndex(), 0) << "every showing starts at the first entry";

  shell::RunState other;
  ProjectTypeDialog multi(other);
  child<QPushButton>(multi, "StartMulti")->click();
  EXPECT_EQ(other.ProjectType, model::ProjectType::MultiSystem);
  EXPECT_FALSE(other.NewProjectApplication.has_value());
}

TEST(CompanyLogoDialogTest, ANonPictureIsRefusedAndCancelRestores) {
  korvane::testing::FakeMessageSink messages;
  QTemporaryDir dir;
  const QString text = dir.filePath(QStringLiteral("notes.jpg"));
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a picture");
  file.close();
  CompanyLogoDialog dialog(QStringLiteral("/old/logo.png"), messages);
  EXPECT_FALSE(dialog.Load_Picture(text));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Invalid graphic format, company logo not loaded !");
  dialog.Cancel();
  EXPECT_EQ(dialog.fileName(), QStringLiteral("/old/logo.png"));
  EXPECT_FALSE(dialog.accepted());
}

class MainWindowTest : public SessionFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session.Build_Catalogue());
    window.First_Shown();
  }
  shell::RunState state;
  MainWindow window{session, state, alert, messages, preferences::NumberFormat{}};
};

TEST_F(MainWindowTest, StatusBarFollowsTheProject) {
  EXPECT_EQ(window.statusPanel(1)->text(), "Project Name: <No Name>");
  EXPECT_EQ(window.statusPanel(2)->text(), "Project Type: <Not Defined>");
  EXPECT_EQ(window.statusPanel(3)->text(), "Not Active");
  EXPECT_EQ(store.readText("PROGRAM", "PROGRAMVERSION", ""), "0.01.00");
  EXPECT_EQ(store.readText("PROGRAM", "CS", ""), "1") << "the preferences were loaded";

  // A click on "Not Active" offers a new project.
  messages.answer = MessageAnswer::Cancel;
  QTest::mouseClick(window.statusPanel(3), Qt::LeftButton);
  EXPECT_EQ(messages.shown.back().text,
            "There is currently no project active. Would you like to start a new project?");
  EXPECT_EQ(window.windowTitle(), "KORVANE Energy Savings Estimator");
}

class FormulaDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.Prepare_Show();
    dialog.show();
  }
  QLineEdit* field(const char* name) { return child<QLineEdit>(dialog, name); }

  korvane::testing::FakeMessageSink messages;
  korvane::testing::FakeAlertSound alert;
  FormulaDialog dialog{calculators::UnitSystem::English, preferences::NumberFormat{}, alert,
                       messages};
};

TEST_F(FormulaDialogTest, LeavingAFieldRecomputesItsCalculator) {
  EXPECT_EQ(field("TRQ1CALC")->text(), "Error!") << "every input starts at 0";
  EXPECT_EQ(field("ACC")->text(), " Error");
  typeAndLeave(field("F1"), QStringLiteral("10000"));
  typeAndLeave(field("FANPRESS"), QStringLiteral("2"));
  child<QComboBox>(dialog, "FANPRESS_UNITS")->setCurrentIndex(2);
  emit child<QComboBox>(dialog, "FANPRESS_UNITS")->activated(2);
  typeAndLeave(field("FANEFF1"), QStringLiteral("0.65"));
  EXPECT_EQ(field("FANHP")->text(), "4.84 HP");
  EXPECT_EQ(field("F1")->text(), "10,000.00") << "inputs are shown with two decimals";

  typeAndLeave(field("AMPS2"), QStringLiteral("2"));
  typeAndLeave(field("RES2"), QStringLiteral("10"));
  EXPECT_EQ(field("O3")->text(), "20.00 Volt(s)");
  EXPECT_EQ(field("RES2")->text(), "10.00");
}

TEST_F(FormulaDialogTest, CorrectionsSoundTheAlert) {
  typeAndLeave(field("PUMPEFF1"), QStringLiteral("0"));
  EXPECT_EQ(field("PUMPEFF1")->text(), "0.10");
  typeAndLeave(field("EFF5"), QStringLiteral("1.5"));
  EXPECT_EQ(field("EFF5")->text(), "1.00");
  EXPECT_EQ(alert.played, 2);
  typeAndLeave(field("FREQ"), QStringLiteral("60"));
  typeAndLeave(field("POLES"), QStringLiteral("3"));
  EXPECT_EQ(field("POLES")->text(), "4");
  EXPECT_EQ(field("SPD")->text(), "1,800.00 RPM");
  typeAndLeave(field("POLES"), QStringLiteral("99"));
  EXPECT_EQ(field("POLES")->text(), "98");
  EXPECT_EQ(alert.played, 2) << "the pole rule corrects quietly";
}

TEST_F(FormulaDialogTest, SlipWarnsWhenTheSpeedsAreTheWrongWayRound) {
  typeAndLeave(field("SYNCSPEED"), QStringLiteral("1800"));
  typeAndLeave(field("FULLSPEED"), QStringLiteral("1750"));
  EXPECT_EQ(field("SLIP")->text(), "2.78 %");
  typeAndLeave(field("SYNCSPEED"), QStringLiteral("1700"));
  EXPECT_EQ(field("SLIP")->text(), "Error!");
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text,
            "Synchronous Speed must to be greater or equal to Full Load RPM!");
}

TEST_F(FormulaDialogTest, ValuesSurviveClosingAndReopening) {
  typeAndLeave(field("VOLTS"), QStringLiteral("480"));
  typeAndLeave(field("AMPS"), QStringLiteral("24"));
  auto* selection = child<QComboBox>(dialog, "ACSelection");
  selection->setCurrentIndex(5);
  emit selection->activated(5);
  EXPECT_FALSE(field("HP5")->isEnabled());
  EXPECT_TRUE(field("CURR5")->isEnabled());
  dialog.close();
  field("VOLTS")->setText(QStringLiteral("1"));  // typed but never left
  dialog.Prepare_Show();
  EXPECT_EQ(field("VOLTS")->text(), "480.00");
  EXPECT_EQ(field("O1")->text(), "20.00 Ohm(s)");
  EXPECT_EQ(child<QComboBox>(dialog, "ACSelection")->currentIndex(), 5);
  EXPECT_FALSE(field("HP5")->isEnabled());
  EXPECT_EQ(dialog.tabs()->currentIndex(), 0);
}

TEST_F(FormulaDialogTest, FieldsTakeOnlyNumbers) {
  auto* f = field("VELO");
  f->clear();
  f->setFocus();
  QTest::keyClicks(f, QStringLiteral("1a2-b.5"));
  EXPECT_EQ(f->text(), "12.5");
  QTest::keyClicks(f, QStringLiteral("6789"));
  EXPECT_EQ(f->text(), "12.567") << "six characters at most are typed";
}

// The offscreen platform has no program for web pages, as a desktop without a
// browser: help then says so instead of doing nothing.
TEST(Help, SaysWhenAPageCannotBeShown) {
  QTemporaryDir program;
  ASSERT_TRUE(QDir(program.path()).mkpath(QStringLiteral("help")));
  QFile page(program.filePath(QStringLiteral("help/FORMULAS.htm")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  korvane::testing::FakeMessageSink messages;
  GetHelp(QStringLiteral("FORMULAS"), program.path(), messages);
  GetHelp(QStringLiteral("NEW_PROJECT"), program.path(), messages);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_THAT(messages.shown[0].text, ::testing::HasSubstr("\"FORMULAS.htm\" could not be shown"));
  EXPECT_THAT(messages.shown[1].text, ::testing::HasSubstr("\"NEW_PROJECT.htm\" is not installed"));
}

}  // namespace
}  // namespace korvane::gui

namespace korvane::gui {
namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file that does not become the project leaves the user's settings file
// as it was, to the byte; one that does writes its settings there.
TEST(SettingsFileTest, ARejectedProjectLeavesTheSettingsFileAlone) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("ENERGY.ini"));
  QSettingsStore settings(path);
  korvane::testing::FakeMessageSink messages;
  korvane::testing::FakeAlertSound alert;
  korvane::testing::FakeProgramExit exit;
  EstimatorSession session(messages, alert, exit, settings);
  ASSERT_TRUE(session.Start());
  settings.writeText("PROGRAM", "CS", "1");
  settings.sync();
  const QByteArray before = fileBytes(path);
  ASSERT_FALSE(before.isEmpty());

  const std::string pound =
      "[POWER]\r\nKW\r\n[CURRENCY MODE]\r\n2\r\n[DIMENSION MODE]\r\n1\r\n[CFP01]\r\n0.9\r\n";
  for (const std::string& text : {std::string(), std::string("\x01\xff\xfe", 3), pound,
                                  pound + "[PROJECT-TYPE]\r\n1\r\n[SYSTEM ITEM START]\r\n"}) {
    EXPECT_FALSE(session.Open_Project_Text(text).opened);
    settings.sync();
    EXPECT_EQ(fileBytes(path), before);
  }
  ASSERT_TRUE(session.Open_Project_Text(pound + "[PROJECT-TYPE]\r\n1\r\n").opened);
  settings.sync();
  EXPECT_NE(fileBytes(path), before);
}

}  // namespace
}  // namespace korvane::gui

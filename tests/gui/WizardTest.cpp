#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "FindChild.h"
#include "SessionFixture.h"
#include "gui/wizard/TFanForm.h"
#include "model/WizardFields.h"
#include "shell/ProjectTypeChoice.h"
#include "shell/RunState.h"

namespace korvane::gui {
namespace {

using korvane::testing::SessionFixture;

using korvane::testing::child;

// Types into a field and leaves it, as the user does with Tab.
void typeAndLeave(QLineEdit* field, const QString& text) {
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(field, &in);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

class WizardTest : public SessionFixture {
 protected:
  // The catalogue is built before the wizard binds its edits, as at start-up.
  void SetUp() override {
    start();
    window = std::make_unique<TFanForm>(session, state);
  }

  // A new project, as the project-type dialog leaves the state.
  void newProject(bool multi) {
    const std::vector<shell::ApplicationEntry> types = shell::ApplicationEntries();
    if (multi) {
      shell::SetUpMultiSystemProject(state);
    } else {
      shell::SetUpSingleSystemProject(state, &types.front());
    }
    state.ProjectActive = true;
    project.Set_System_Count(0);
    window->Prepare_Show();
    window->show();
  }

  int step() const { return window->steps()->currentIndex() + 1; }

  QPushButton* visibleButton(const char* name) {
    auto* b = child<QPushButton>(*window, name);
    EXPECT_TRUE(b->isVisible()) << name;
    return b;
  }

  shell::RunState state;
  std::unique_ptr<TFanForm> window;
};

TEST_F(WizardTest, NewProjectShowsTheWelcomeAndStartGoesToTheProjectName) {
  newProject(false);
  EXPECT_TRUE(child(*window, "pnlWelcome")->isVisible());
  EXPECT_EQ(window->steps()->tabText(0), "Step 1. Customer Information");
  visibleButton("bibStartProject")->click();
  EXPECT_TRUE(child(*window, "ProjectName")->isVisible());
  EXPECT_EQ(window->focusWidget(), child(*window, "ProjectName"));
}

TEST_F(WizardTest, SingleSystemWalkStoresTheEditorIntoSystemOne) {
  state.ResumeProject = true;  // straight to the steps
  newProject(false);
  auto* name = child<QLineEdit>(*window, "ProjectName");
  QTest::keyClicks(name, "Mill [=3]");
  EXPECT_EQ(name->text(), "Mill 3");
  EXPECT_TRUE(state.ProjectModified);
  auto* zip = child<QLineEdit>(*window, "ZipFor");
  QTest::keyClicks(zip, "12a34567");
  EXPECT_EQ(zip->text(), "12345");

  visibleButton("bibContinue")->click();
  EXPECT_EQ(step(), 2);
  visibleButton("bibContinue")->click();
  ASSERT_EQ(step(), 3);

  auto* power = child<QLineEdit>(*window, "A108");
  typeAndLeave(power, "6000");
  EXPECT_EQ(power->text(), "5000.0");
  EXPECT_EQ(alert.played, 1);
  typeAndLeave(child<QLineEdit>(*window, "A101"), "");
  EXPECT_EQ(child<QLineEdit>(*window, "A101")->text(), "1");

  // The second way of entering hours shows one yearly field instead of three.
  child<QRadioButton>(*window, "rdbStp3_EditSyst_HourYear")->click();
  EXPECT_FALSE(child<QRadioButton>(*window, "rdbStp3_EditSyst_HourDays")->isChecked());
  EXPECT_TRUE(child(*window, "A137")->isVisible());
  EXPECT_FALSE(child(*window, "A101")->isVisible());

  visibleButton("bibContinue")->click();
  EXPECT_EQ(step(), 4);
  ASSERT_EQ(project.SystemCount(), 1);
  EXPECT_FLOAT_EQ(project.Get_System(1)->Get_Motor_Power(false), 5000.0F);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WizardTest, AnInvalidDutyCycleKeepsTheUserOnStepThree) {
  state.ResumeProject = true;
  newProject(false);
  window->steps()->setCurrentIndex(2);
  auto* time1 = child<QLineEdit>(*window, "A116");
  typeAndLeave(time1, "5");
  auto* total = child<QLabel>(*window, "lblStp3_EditSyst_DutyTotl");
  EXPECT_EQ(total->text(), "104%");
  EXPECT_EQ(total->accessibleDescription(), "104%");

  window->steps()->setCurrentIndex(3);  // a click on the step-4 tab
  EXPECT_EQ(step(), 3);
  ASSERT_EQ(messages.shown.size(), 1U);
  EXPECT_NE(messages.shown[0].text.find("equal: 104%"), std::string::npos);

  visibleButton("bibContinue")->click();
  EXPECT_EQ(step(), 3);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());

  // Two rows of the same flow at the same rate are a duplicate; "Alt." parts them.
  typeAndLeave(time1, "1");
  typeAndLeave(child<QLineEdit>(*window, "A127"), "100");
  EXPECT_EQ(child<QLabel>(*window, "lblStp3_EditSyst_Duplicate")->text(), "Duplicate");
  child<QCheckBox>(*window, "Peak90")->click();
  EXPECT_EQ(child<QLabel>(*window, "lblStp3_EditSyst_Duplicate")->text(), "");
  window->steps()->setCurrentIndex(3);
  EXPECT_EQ(step(), 4);
}

TEST_F(WizardTest, MultiSystemProjectAddsSystemsToTheTree) {
  state.ResumeProject = true;
  newProject(true);
  window->steps()->setCurrentIndex(2);
  EXPECT_EQ(window->steps()->tabText(2), "Step 3. Define System(s) / Project Overview");
  auto* tree = child<QTreeWidget>(*window, "tvwSystems");
  for (const char* name : {"Supply fan", "Return fan"}) {
    visibleButton("bibStp3_ProjMgmt_AddSyst")->click();
    auto* identification = child<QLineEdit>(*window, "SystemIndentification");
    ASSERT_TRUE(identification->isVisible());
    identification->clear();
    QTest::keyClicks(identification, name);
    visibleButton("bibAddSystem")->click();
  }
  EXPECT_EQ(project.SystemCount(), 2);
  EXPECT_EQ(child<QLabel>(*window, "lblStp3_ProjMgmt_SystCntr")->text(), "2");
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  const QTreeWidgetItem* fans = tree->topLevelItem(0)->child(0);
  ASSERT_EQ(fans->childCount(), 2);
  EXPECT_EQ(fans->child(1)->text(0), "Return fan");
  // The last one added is selected, and its data are shown with their text as description.
  auto* shownName = child<QLabel>(*window, "lblStp3_ProjMgmt_SystName_Valu");
  EXPECT_EQ(shownName->text(), "Return fan");
  EXPECT_EQ(shownName->accessibleDescription(), "Return fan");
  EXPECT_EQ(shownName->accessibleName(), "Name:");

  // A category shows how many systems of its type there are.
  tree->setCurrentItem(tree->topLevelItem(0)->child(0));
  auto* count = child<QLabel>(*window, "lblStp3_ProjMgmt_CtgrSyst_Valu");
  EXPECT_TRUE(count->isVisible());
  EXPECT_EQ(count->text(), "2");
  EXPECT_EQ(count->accessibleDescription(), "2");
  tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(1));

  // Escape is the update bar's Go Back: back to the overview, nothing stored.
  visibleButton("bibStp3_ProjMgmt_EditSyst")->click();
  ASSERT_TRUE(child(*window, "bibUpdateSystem")->isVisible());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(tree->isVisible());
  EXPECT_TRUE(window->isVisible());

  // Removing a system changes what Save writes: closing must offer to save it.
  state.ProjectModified = false;
  messages.answer = MessageAnswer::Yes;
  visibleButton("bibStp3_ProjMgmt_RemvSyst")->click();
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_TRUE(state.ProjectModified);
  EXPECT_EQ(tree->topLevelItem(0)->child(0)->childCount(), 1);
}

TEST_F(WizardTest, EveryInputIsNamedAfterWhatTheUserSees) {
  state.ResumeProject = true;
  newProject(false);
  struct Case {
    const char* object;
    const char* accessibleName;
  };
  const Case cases[] = {
      {"ProjectName", "Project"},
      {"CityFor", "City"},
      {"AreaCodeFor", "Telephone area code"},
      {"A104", "Cost per kWh"},
      {"A108", "Power"},
      {"A192", "Incentive Utility Incentive"},
      {"A126", "Flow % 1"},
      {"A125", "Time % 10"},
      {"Peak80", "Alt. 3"},
      {"cboStp3_EditSyst_IncnUnit", "Incentive Utility Incentive unit"},
      {"rdbStp3_EditSyst_HourYear", "Hours of Operation 2"},
  };
  for (const Case& c : cases) {
    QWidget* w = child(*window, c.object);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->accessibleName(), QString::fromLatin1(c.accessibleName)) << c.object;
  }
  // The bare "2" of the hours choice is explained to a screen reader.
  EXPECT_EQ(child(*window, "rdbStp3_EditSyst_HourYear")->accessibleDescription(),
            QStringLiteral("Enter operation time in total yearly hours"));
  // No two inputs of one step share a name.
  for (QWidget* page :
       {child(*window, "Step1"), child(*window, "Step2"), child(*window, "Step3")}) {
    QStringList names;
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QCheckBox*>(w)) continue;
      if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
      EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
      EXPECT_FALSE(names.contains(w->accessibleName())) << w->accessibleName().toStdString();
      names << w->accessibleName();
    }
  }
}

}  // namespace
}  // namespace korvane::gui

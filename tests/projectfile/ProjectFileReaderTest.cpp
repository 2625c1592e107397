#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <streambuf>

#include "Samples.h"
#include "SessionFixture.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectFileWriter.h"
#include "text/Cp1252.h"

namespace korvane::projectfile {
namespace {

using korvane::testing::SessionFixture;
namespace fs = std::filesystem;

const fs::path& kSamples = korvane::testing::kSamplesDir;

// The project sections of a current file, then the given lines.
std::string file(const std::vector<std::string>& lines, bool header = true) {
  std::string text;
  if (header) {
    text =
        "[FILE INFO]\r\n[PROJECT]\r\nTest\r\n[POWER]\r\nHP\r\n[CURRENCY MODE]\r\n1\r\n"
        "[DIMENSION MODE]\r\n0\r\n[PROJECT-TYPE]\r\n1\r\n";
  }
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// One system block holding the given tag lines.
std::vector<std::string> block(std::vector<std::string> tags) {
  tags.insert(tags.begin(), "[SYSTEM ITEM START]");
  tags.push_back("[SYSTEM ITEM END]");
  return tags;
}

class ReaderTest : public SessionFixture {
 protected:
  void SetUp() override { start(); }
  // Reads and stages only.
  bool read(const std::string& text) {
    messages.shown.clear();
    return reader.Read_Project_Text(text);
  }
  // Opens the file as the programs do.
  bool open(const std::string& text) {
    messages.shown.clear();
    return session.Open_Project_Text(text).opened;
  }
  std::string lastMessage() const {
    return messages.shown.empty() ? std::string() : messages.shown.back().text;
  }

  ProjectFileReader reader{session.catalogue, messages};
};

TEST_F(ReaderTest, ReadsTheIndependentSamples) {
  KORVANE_SKIP_WITHOUT_SAMPLES();
  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "reference-fan.ESEProj"));
  ASSERT_TRUE(session.Open_Project_File(kSamples / "reference-fan.ESEProj").opened);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(reader.Staged().header.projectName, "Reference fan retrofit");
  EXPECT_EQ(reader.Staged().header.utilityName, "City Power");
  EXPECT_EQ(reader.Staged().projectType, model::ProjectType::SingleSystem);
  const auto& fan = *project.Get_System(1);
  EXPECT_EQ(fan.Identification(), "Supply fan 1");
  EXPECT_NEAR(fan.Annual_Cost_Savings(), 6976.464, 5e-4);

  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "plant-4-systems.ESEProj"));
  ASSERT_TRUE(session.Open_Project_File(kSamples / "plant-4-systems.ESEProj").opened);
  EXPECT_EQ(project.SystemCount(), 4);
  EXPECT_EQ(project.Get_System(2)->CatalogNumber(), "AC-60-X") << "read in upper case";
  EXPECT_EQ(project.Get_System(2)->Quantity(), 7);
  EXPECT_EQ(project.Get_System(1)->DemandCharge(), 0) << "this edition has no demand charge";
  EXPECT_EQ(reader.Staged().header.utilityName, "City Power & Light");
  EXPECT_EQ(values.currencySymbol, "R");
  EXPECT_TRUE(values.metricUnits);
  EXPECT_EQ(project.Co2Source(), 1);
  EXPECT_EQ(project.Co2Coal(), 0.954);
  EXPECT_EQ(store.readText("CARBONFP", "CBFPCONV1", ""), "0.954");
  EXPECT_EQ(store.readText("PROGRAM", "CS", ""), "3");
  EXPECT_EQ(store.readText("EFF", "VFDE10", ""), "93.7");
  // The file's curves are the ones this project is calculated with.
  EXPECT_EQ(project.Get_Curve(2, 1, 1), 93.7);
  EXPECT_EQ(project.Get_Curve(1, 5, 1), 0.7422);
  EXPECT_EQ(project.Get_System(1)->Prepared().curves[1][0], 0.7422) << "pump, custom control 1";
}

TEST_F(ReaderTest, AWrittenProjectReadsBackTheSame) {
  KORVANE_SKIP_WITHOUT_SAMPLES();
  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "plant-4-systems.ESEProj"));
  StagedProject first = reader.Staged();
  ASSERT_TRUE(session.Open_Project_File(kSamples / "plant-4-systems.ESEProj").opened);
  EXPECT_EQ(session.header.projectType, model::ProjectType::MultiSystem);
  const std::string written =
      Project_File_Text({project, session.catalogue, values, session.header, "1/1/2026"});

  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore otherStore;
  EstimatorSession other(quiet, alert, exit, otherStore);
  ASSERT_TRUE(other.Start());
  ProjectFileReader again(other.catalogue, quiet);
  ASSERT_TRUE(again.Read_Project_Text(written)) << quiet.shown.size();
  ASSERT_TRUE(other.Open_Project_Text(written).opened);
  EXPECT_EQ(other.model.project.SystemCount(), 4);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_TRUE(other.model.project.Get_System(i)->Same_System(*project.Get_System(i))) << i;
    EXPECT_EQ(other.model.project.Get_System(i)->Annual_Cost_Savings(),
              project.Get_System(i)->Annual_Cost_Savings());
  }
  EXPECT_EQ(again.Staged().header.company, first.header.company);
  EXPECT_EQ(other.values.currencySymbol, "R");
  EXPECT_EQ(other.model.project.Co2Oil(), 0.376);
}

TEST_F(ReaderTest, HeadingsAndTagsIgnoreCaseAndBlanks) {
  ASSERT_TRUE(open(file({" [project] ", "Plant 2", "[system item start]", "mhp=30.0",
                         "  app=Mixed Case  ", "[SYSTEM ITEM END]"})));
  EXPECT_EQ(session.header.projectName, "Plant 2");
  EXPECT_EQ(project.Get_System(1)->MotorHp(), 30);
  EXPECT_EQ(project.Get_System(1)->Identification(), "Mixed Case");
  EXPECT_TRUE(read(file({"[FILE INFO]", "[ PROJECT ]", "x"}))) << "inner blanks: just a line";
  EXPECT_EQ(reader.Staged().header.projectName, "Test");
}

TEST_F(ReaderTest, InvalidValuesNameTheirLine) {
  struct Case {
    std::string line;
    std::string message;  // empty when the line is accepted
  };
  const Case cases[] = {
      {"MHP=6000", "MOTOR POWER ERROR"},
      {"MHP=-5", "MOTOR POWER ERROR"},
      {"SPR=-1", "DRIVE SELL PRICE ERROR"},
      {"MEF=-1e308", "MOTOR EFFICIENCY ERROR"},
      {"URT=-0.01", "UTILITY RATE ERROR"},
      {"DME=-1e308", "DRIVE MOTOR EFFICIENCY ERROR"},
      {"INC=1e400", "INSTALLATION COST ERROR"},
      {"MHP=20.0.0", "MOTOR POWER ERROR"},
      {"ATP=2", "APPLICATION TYPE ERROR"},
      {"ATP=7", "APPLICATION TYPE ERROR"},
      {"ATP=X", "APPLICATION TYPE ERROR"},
      {"FLW=5", "FLOW TYPE ERROR"},
      {"FLW=2X", ""},
      {"MEF=100.1", "MOTOR EFFICIENCY ERROR"},
      {"DME=101", "DRIVE MOTOR EFFICIENCY ERROR"},
      {"MVL=8", "MOTOR VOLTAGE ERROR"},
      {"MFL=2001", "MOTOR FLA ERROR"},
      {"CHU=2", "REBATE/CHARGE UNIT ERROR"},
      {"URT=11", "UTILITY RATE ERROR"},
      {"ART=x", "ALTERNATIVE RATE ERROR"},
      {"DCH=101", "DEMAND CHARGE ERROR"},
      {"DCH=5", ""},
      {"DMR=101", "UTILITY INCENTIVE ERROR"},
      {"BYR=2", "BYPASS REQUEST ERROR"},
      {"ASD=X", "AUTO SEARCH DRIVE ERROR"},
      {"ASC=X", "AUTO SEARCH CHANGED SELECTION ERROR"},
      {"SPR=1000001", "DRIVE SELL PRICE ERROR"},
      {"NSY=251", "NUMBER OF SYSTEMS ERROR"},
      {"NSY=-1", "NUMBER OF SYSTEMS ERROR"},
      {"INC=1e7", "INSTALLATION COST ERROR"},
      {"URB=101", "UTILITY REBATE ERROR"},
      {"UMR=10000", "UTILITY MOTOR POWER REBATE ERROR"},
      {"DTC=10,10,10,10,10,10,10,10,10,10", "DUTY CYCLE ERROR"},
      {"DTC=10,10,10,10,10,10,10,10,10,10;", ""},
      {"DTC=10,10,10,10,10,10,10,10,10,0;", ""},
      {"DTC=10,10,10,10,10,10,10,10,10,20;", "DUTY CYCLE ERROR"},
      {"DTC=10,10,10,10,10,10,10,10,10,10,10;", "DUTY CYCLE ERROR"},
      {"DTC=10,10,10,10,10,10,10,10,10,10;x", ""},
      {"FTC=100,90,80,70,60,50,40,30,20,101;", "FLOW RATE ERROR"},
      {"FTC=100,90,80,70,60,50,40,30,20,-10;", "FLOW RATE ERROR"},
      {"PRS=0,0,0,0,0,0,0,0,0,2;", "PEAK SELECTION ERROR"},
      {"HSL=2", "HOURS SELECTION ERROR"},
      {"URI=2", "UTILITY REBATE INTERVAL ERROR"},
      {"UMI=x", "UTILITY MOTOR POWER REBATE INTERVAL ERROR"},
      {"URP=2", "UTILITY MOTOR POWER REBATE PER ERROR"},
      {"HPY=8761", "HOURS PER YEAR ERROR"},
      {"HPD=0", "HOURS PER DAY ERROR"},
      {"DPW=8", "DAYS PER WEEK ERROR"},
      {"WPY=53", "WEEKS PER YEAR ERROR"},
      {"XYZ=1", ""},
      {"MHP=", ""},
  };
  for (const Case& c : cases) {
    // The tag stands on line 13 of the file.
    const bool ok = read(file(block({c.line})));
    if (c.message.empty()) {
      EXPECT_TRUE(ok) << c.line << ": " << lastMessage();
    } else {
      EXPECT_FALSE(ok) << c.line;
      EXPECT_EQ(lastMessage(), c.message + ": LINE 13.") << c.line;
      ASSERT_FALSE(messages.shown.empty());
      EXPECT_EQ(messages.shown.back().kind, MessageKind::Error);
    }
  }
}

TEST_F(ReaderTest, SwitchedOffTagsAreCheckedButNotApplied) {
  ASSERT_TRUE(open(file(block({"DCH=5", "BYR=1", "MFL=30", "ATP=1"}))));
  const auto& system = *project.Get_System(1);
  EXPECT_EQ(system.DemandCharge(), 0);
  EXPECT_EQ(system.BypassRequired(), 0);
  EXPECT_EQ(system.MotorFla(), 0);
  EXPECT_EQ(system.ApplicationType(), model::ApplicationType::Pump);

  model::testing::ScopedFeatureWord hidden(1u << model::HideApplicationType);
  ASSERT_TRUE(open(file(block({"ATP=1"}))));
  EXPECT_EQ(project.Get_System(1)->ApplicationType(), model::ApplicationType::Fan);
  EXPECT_FALSE(read(file(block({"ATP=5"}))));
  ASSERT_TRUE(open(file(block({"DCH=5"}))));
  EXPECT_EQ(project.Get_System(1)->DemandCharge(), 5);
}

TEST_F(ReaderTest, ProjectSectionsAndTheirErrors) {
  EXPECT_FALSE(read(file({"[CFP01]", "3.5"})));
  EXPECT_EQ(lastMessage(), "CFP RATIO ERROR: LINE 13.");
  EXPECT_FALSE(read(file({"[PROJECT-TYPE]", "2"})));
  EXPECT_EQ(lastMessage(), "PROJECT TYPE ERROR: LINE 13.");
  EXPECT_FALSE(read(file({"[APPLICATION]", "COOLING TOWER"})));
  EXPECT_EQ(lastMessage(), "APPLICATION TYPE ERROR: LINE 13.");
  EXPECT_TRUE(read(file({"[APPLICATION]", "pump"})));

  const std::string curve = "[CUSTOM1 EFFICIENCY]";
  EXPECT_TRUE(read(file({curve, "1,0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,"})));
  EXPECT_EQ((*reader.Staged().curves[kStagedCustom1])[9], 0);
  for (const char* bad :
       {"1,0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,0.1;", "1,0.9", ",0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,0.1",
        "1,0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,0.1,0", "1, 0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,0.1"}) {
    EXPECT_FALSE(read(file({curve, bad}))) << bad;
    EXPECT_EQ(lastMessage(), "CUSTOM1 EFFICIENCY ERROR: LINE 13.") << bad;
  }

  // An invalid value on the very last line still fails the read.
  EXPECT_FALSE(read(file({"[CFPC1]", "x"})));
  EXPECT_EQ(lastMessage(), "CFP RATIO ERROR: LINE 13.");
}

TEST_F(ReaderTest, BlocksMustBeClosedAndHoldAtMost35Tags) {
  EXPECT_FALSE(read(file({"[SYSTEM ITEM START]", "MHP=20.0"})));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ITEM NOT CLOSED ERROR !");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Confirmation);

  EXPECT_TRUE(read(file(block(std::vector<std::string>(35, "MHP=20.0")))));
  EXPECT_FALSE(read(file(block(std::vector<std::string>(36, "MHP=20.0")))));
  EXPECT_EQ(lastMessage(), "ITEM INFORMATION ERROR: LINE 49.");
  EXPECT_TRUE(read(file(block(std::vector<std::string>(36, "ASD=1")))))
      << "ASD and ASC take no effect and are not counted";
}

TEST_F(ReaderTest, AtMost250Systems) {
  std::vector<std::string> lines;
  for (int i = 0; i < 250; ++i) {
    for (const std::string& line : block({"MHP=20.0"})) lines.push_back(line);
  }
  EXPECT_TRUE(read(file(lines)));
  EXPECT_EQ(reader.Staged().systemCount, 250);
  for (const std::string& line : block({"MHP=20.0"})) lines.push_back(line);
  EXPECT_FALSE(read(file(lines)));
  EXPECT_NE(lastMessage().find("more than 250 systems"), std::string::npos) << lastMessage();
}

TEST_F(ReaderTest, LayoutsOfEarlierVersions) {
  // Power and currency without the unit system: one system without blocks.
  ASSERT_TRUE(open(file({"[POWER]", "KW", "[CURRENCY MODE]", "2", "[DATA ENERGY SAVER]",
                         "P005=A1-08=15.5;", "P004=A1-04=0.12;", "P001=A1-01=12;"},
                        false)));
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(session.header.projectType, model::ProjectType::SingleSystem);
  EXPECT_EQ(project.Get_System(1)->MotorHp(), 15.5f);
  EXPECT_EQ(project.Get_System(1)->HoursPerDay(), 12);
  EXPECT_EQ(values.currencySymbol, "£");
  EXPECT_EQ(project.PowerInKw(), 1);
  EXPECT_FALSE(read(file({"[DATA ENERGY SAVER]", "P099=A1-01=3;"}, false)));
  EXPECT_EQ(lastMessage(), "DATA ENERGY SAVER ERROR: LINE 2.");
  EXPECT_FALSE(read(file({"[DATA ENERGY SAVER]", "P005=A1-08=1x;"}, false)));

  // Nothing of the three: an early layout in dollars, English units, HP.
  ASSERT_TRUE(read(file({"[INFO]", "Contact", "", "Company"}, false)));
  EXPECT_EQ(reader.Staged().header.contact, "Contact");
  EXPECT_EQ(reader.Staged().header.title, "") << "a blank line takes a field";
  EXPECT_EQ(reader.Staged().header.company, "Company");
  EXPECT_EQ(reader.Staged().currencyMode, 1);
  EXPECT_FALSE(reader.Staged().projectType.has_value()) << "so it does not open";
  ASSERT_TRUE(open(file({"[INFO]", "Contact", "", "Company", "[PROJECT-TYPE]", "1"}, false)));
  EXPECT_EQ(session.header.contact, "Contact");
  EXPECT_EQ(values.currencySymbol, "$");

  // Any other mix is refused, with a reason.
  EXPECT_FALSE(
      read(file({"[POWER]", "WATT", "[CURRENCY MODE]", "1", "[DIMENSION MODE]", "0"}, false)));
  EXPECT_NE(lastMessage().find("[POWER]"), std::string::npos);
}

TEST_F(ReaderTest, ReadingAloneChangesNothing) {
  const std::string pound =
      file({"[CURRENCY MODE]", "2", "[DIMENSION MODE]", "1", "[POWER]", "KW", "[CFP01]", "0.9"});
  const auto storeBefore = store.values;
  ASSERT_TRUE(read(pound));
  EXPECT_EQ(values.currencySymbol, "$");
  EXPECT_FALSE(values.metricUnits);
  EXPECT_EQ(project.PowerInKw(), 0);
  EXPECT_EQ(project.Co2Coal(), 0.705);
  EXPECT_EQ(store.values, storeBefore);

  ASSERT_TRUE(open(pound));
  EXPECT_EQ(values.currencySymbol, "£");
  EXPECT_EQ(store.readText("CARBONFP", "CBFPCONV1", ""), "0.900");

  ASSERT_TRUE(read(file({"[CURRENCY MODE]", "7"})));
  EXPECT_EQ(reader.Staged().currencyMode, 1) << "an unknown mode is ignored";
}

// Values that can only give nonsense are refused, each with the message of
// its tag or section and its line.
TEST_F(ReaderTest, NonsenseIsARefusedValue) {
  struct Case {
    std::vector<std::string> lines;  // after the project sections (lines 1..12)
    std::string message;             // empty when accepted
  };
  const std::string curve = "[OUTLET DAMPER EFFICIENCY]";
  const Case cases[] = {
      {{"[DRIVE EFFICIENCY]", "97.5"}, ""},
      {{"[DRIVE EFFICIENCY]", "fast"}, "DRIVE EFFICIENCY ERROR: LINE 14."},
      {{"[DRIVE EFFICIENCY]", "49.9"}, "DRIVE EFFICIENCY ERROR: LINE 14."},
      {{"[DRIVE EFFICIENCY]", "100.1"}, "DRIVE EFFICIENCY ERROR: LINE 14."},
      {{"[DRIVE EFFICIENCY]", "-1e308"}, "DRIVE EFFICIENCY ERROR: LINE 14."},
      {{"[CFP02]", "-0.1"}, "CFP RATIO ERROR: LINE 14."},
      {{"[CFP02]", "0"}, ""},
      {{curve, "1,0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,0"}, ""},
      {{curve, "1,0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,-0.1"},
       "OUTLET DAMPER EFFICIENCY ERROR: LINE 14."},
      {{curve, "1.01,0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2,0.1"},
       "OUTLET DAMPER EFFICIENCY ERROR: LINE 14."},
      // A pump has no outlet damper, in whichever order the tags stand.
      {block({"ATP=1", "FLW=1"}), "FLOW TYPE ERROR: LINE 15."},
      {block({"FLW=1", "MHP=20.0", "ATP=1"}), "FLOW TYPE ERROR: LINE 14."},
      {block({"ATP=0", "FLW=1"}), ""},
      {block({"ATP=1", "FLW=2"}), ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = {"[FILE INFO]"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    const bool ok = read(file(lines));
    if (c.message.empty()) {
      EXPECT_TRUE(ok) << c.lines.back() << ": " << lastMessage();
    } else {
      EXPECT_FALSE(ok) << c.lines.back();
      EXPECT_EQ(lastMessage(), c.message) << c.lines.back();
    }
  }

  // The earlier one-system layout cannot hold a second block.
  const std::vector<std::string> oneSystem = {"[POWER]", "HP", "[CURRENCY MODE]", "1"};
  std::vector<std::string> two = oneSystem;
  for (int i = 0; i < 2; ++i) {
    for (const std::string& line : block({"MHP=20.0"})) two.push_back(line);
  }
  EXPECT_FALSE(read(file(two, false)));
  EXPECT_EQ(lastMessage(), "SYSTEM COUNT ERROR: LINE 8.");
  std::vector<std::string> one = oneSystem;
  for (const std::string& line : block({"MHP=20.0"})) one.push_back(line);
  ASSERT_TRUE(open(file(one, false)));
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(project.Get_System(1)->MotorHp(), 20);

  // Earlier layouts: negative values and curve points beyond 1 are refused too.
  for (const char* line : {"P005=A1-08=-5;", "P007=A1-08=0;", "P025=A1-01=2;", "P002=A1-01=24;",
                           "P005=A1-08=5001;", "P013=A1-01=101;"}) {
    EXPECT_FALSE(read(file({"[DATA ENERGY SAVER]", line}, false))) << line;
    EXPECT_EQ(lastMessage(), "DATA ENERGY SAVER ERROR: LINE 2.") << line;
  }
}

// A file that does not become the project changes nothing: no preference, no
// value of the settings store, no part of the project.
TEST_F(ReaderTest, ARejectedFileChangesNothing) {
  ASSERT_TRUE(session.Open_Project_File(kSamples / "reference-fan.ESEProj").opened);
  const auto storeBefore = store.values;
  const std::string name = session.header.projectName;
  const std::string fan = project.Get_System(1)->Identification();
  const std::string metricPound =
      "[POWER]\r\nKW\r\n[CURRENCY MODE]\r\n2\r\n[DIMENSION MODE]\r\n1\r\n[CFP01]\r\n0.9\r\n";
  const std::string rejected[] = {
      "",                                      // empty
      std::string("\x00\x01\xff\xfe\r\n", 6),  // binary
      metricPound,                             // no project type
      metricPound + "[PROJECT-TYPE]\r\n1\r\n" + "[SYSTEM ITEM START]\r\nMHP=-5\r\n",
      metricPound + "[PROJECT-TYPE]\r\n1\r\n[SYSTEM ITEM START]\r\n",  // block left open
  };
  for (const std::string& text : rejected) {
    const OpenOutcome outcome = session.Open_Project_Text(text);
    EXPECT_FALSE(outcome.opened);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_EQ(store.values, storeBefore);
    EXPECT_EQ(values.currencySymbol, "$");
    EXPECT_FALSE(values.metricUnits);
    EXPECT_EQ(project.PowerInKw(), 0);
    EXPECT_EQ(project.Co2Coal(), 0.705);
    EXPECT_EQ(session.header.projectName, name);
    EXPECT_EQ(project.SystemCount(), 1);
    EXPECT_EQ(project.Get_System(1)->Identification(), fan);
  }
  EXPECT_EQ(session.Open_Project_Text(metricPound).message,
            "The file you are trying to open does not contain valid information");
}

// A project of one system holds one, whatever the file carries; the outcome
// says what was opened.
TEST_F(ReaderTest, ASingleSystemProjectHoldsOneSystem) {
  std::vector<std::string> lines;
  for (const char* name : {"APP=First", "APP=Second"}) {
    for (const std::string& line : block({name})) lines.push_back(line);
  }
  std::string text = file(lines);
  text.replace(text.find("[PROJECT-TYPE]\r\n1"), 17, "[PROJECT-TYPE]\r\n0");
  const OpenOutcome outcome = session.Open_Project_Text(text);
  ASSERT_TRUE(outcome.opened) << outcome.message;
  EXPECT_EQ(outcome.projectType, model::ProjectType::SingleSystem);
  EXPECT_EQ(outcome.systemCount, 1);
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(project.Get_System(1)->Identification(), "First");
}

// Values this edition reads but hides are written back as read; they never
// enter a calculation, and an edited value is written as edited.
TEST_F(ReaderTest, HiddenValuesSurviveASave) {
  ASSERT_TRUE(session.Open_Project_File(kSamples / "plant-4-systems.ESEProj").opened);
  auto written = [&] {
    return Project_File_Text({project, session.catalogue, values, session.header, "1/1/2026"});
  };
  const std::string text = written();
  for (const char* line :
       {"MHR=577.5\r\n", "MFL=67.4\r\n", "DCH=35.56\r\n", "DMR=78.73\r\n", "URB=95.3\r\n",
        "DME=89.1\r\n", "MHR=589.6\r\n", "MFL=1300.0\r\n", "DCH=12.34\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  auto& first = *project.Get_System(1);
  EXPECT_EQ(first.DemandCharge(), 0) << "kept, not used";
  EXPECT_EQ(first.DriveMotorEfficiency(), 0);
  EXPECT_EQ(first.Annual_Demand_Savings(), 0);

  // Read back, the kept values are the same again.
  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore otherStore;
  EstimatorSession other(quiet, alert, exit, otherStore);
  ASSERT_TRUE(other.Start());
  ASSERT_TRUE(other.Open_Project_Text(text).opened);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(other.model.project.Get_System(i)->Kept(), project.Get_System(i)->Kept()) << i;
  }

  first.Set_MinimumHead(12.5f);
  EXPECT_NE(written().find("MHR=12.5\r\n"), std::string::npos);
  EXPECT_EQ(written().find("MHR=577.5\r\n"), std::string::npos);
}

// Every system is calculated with the project's utility values, those of the
// last block; the outcome names the systems whose own values differed.
TEST_F(ReaderTest, SystemsTakeTheProjectsUtilityValues) {
  std::vector<std::string> lines;
  for (const char* rate : {"URT=0.20", "URT=0.10", "URT=0.10"}) {
    for (const std::string& line : block({"MHP=20.0", rate})) lines.push_back(line);
  }
  const OpenOutcome outcome = session.Open_Project_Text(file(lines));
  ASSERT_TRUE(outcome.opened) << outcome.message;
  EXPECT_EQ(outcome.otherUtilityValues, std::vector<int>{1});
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(project.Get_System(i)->EnergyRate(), 0.10f) << i;
}

// A file of an earlier layout leaves out what later files always carry; the
// project saved from it opens again and says the same.
TEST_F(ReaderTest, AnEarlierLayoutSavesToAFileThatOpens) {
  std::vector<std::string> lines = {"[POWER]",
                                    "HP",
                                    "[CURRENCY MODE]",
                                    "1",
                                    "[DATA ENERGY SAVER]",
                                    "P005=A1-08=20.0;",
                                    "P004=A1-04=0.12;",
                                    "[INFO]"};
  for (int i = 0; i < 12; ++i) lines.push_back(i < 10 ? "Line " + std::to_string(i) : "");
  ASSERT_TRUE(open(file(lines, false))) << lastMessage();
  EXPECT_EQ(values.customTitles[0], "Custom 1") << "an empty line names no control";
  const std::string written = text::utf8ToCp1252(
      Project_File_Text({project, session.catalogue, values, session.header, "1/1/2026"}));
  EXPECT_EQ(written.find("HPD="), std::string::npos) << "0 hours a day: not given";

  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore otherStore;
  EstimatorSession other(quiet, alert, exit, otherStore);
  ASSERT_TRUE(other.Start());
  ASSERT_TRUE(other.Open_Project_Text(written).opened) << quiet.shown.back().text;
  EXPECT_TRUE(other.model.project.Get_System(1)->Same_System(*project.Get_System(1)));
  EXPECT_EQ(text::utf8ToCp1252(Project_File_Text(
                {other.model.project, other.catalogue, other.values, other.header, "1/1/2026"})),
            written);
}

// Lines end with CR LF, LF or a lone CR, mixed as they come; an error names
// the line it stands on whatever the ends.
TEST_F(ReaderTest, LineEndsOfEveryKindCountLines) {
  const std::vector<std::string> lines = {"[FILE INFO]", "[PROJECT]",
                                          "Plant",       "[POWER]",
                                          "KW",          "[CURRENCY MODE]",
                                          "2",           "[DIMENSION MODE]",
                                          "1",           "[PROJECT-TYPE]",
                                          "1",           "[SYSTEM ITEM START]",
                                          "MHP=20.0",    "",
                                          "MHP=6000",    "[SYSTEM ITEM END]"};
  for (const std::string end : {"\r\n", "\n", "\r", "\n\r\n"}) {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    EXPECT_FALSE(read(text)) << ::testing::PrintToString(end);
    // "\n\r\n" is two ends: every line is followed by an empty one.
    EXPECT_EQ(lastMessage(), end == std::string("\n\r\n") ? "MOTOR POWER ERROR: LINE 29."
                                                          : "MOTOR POWER ERROR: LINE 15.")
        << ::testing::PrintToString(end);
  }
  ASSERT_TRUE(
      open("[POWER]\rKW\n[CURRENCY MODE]\r\n2\r[DIMENSION MODE]\n1\r\n"
           "[PROJECT-TYPE]\r1\r[SYSTEM ITEM START]\nAPP=Last line\r[SYSTEM ITEM END]"));
  EXPECT_EQ(project.Get_System(1)->Identification(), "Last line");
  EXPECT_EQ(values.currencySymbol, "£");
}

// Tags are found in whatever order a block lists them.
TEST_F(ReaderTest, TagsInAnyOrderGiveTheSameSystem) {
  const std::vector<std::string> tags = {"APP=Fan",
                                         "ATP=0",
                                         "FLW=2",
                                         "MHP=40.0",
                                         "MEF=93.5",
                                         "UNM=City",
                                         "URT=0.12",
                                         "CHU=1",
                                         "CAT=kv-7",
                                         "SPR=5000",
                                         "NSY=2",
                                         "INC=900",
                                         "ASD=1",
                                         "PRS=1,1,0,0,0,0,0,0,0,0;",
                                         "FTC=100,90,80,70,60,50,40,30,20,10;",
                                         "DTC=10,10,10,10,10,10,10,10,10,10;",
                                         "HPD=20",
                                         "DPW=6",
                                         "WPY=50",
                                         "HSL=0",
                                         "HPY=6000",
                                         "UMR=5.0",
                                         "UMI=0"};
  ASSERT_TRUE(open(file(block(tags)))) << lastMessage();
  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore otherStore;
  EstimatorSession other(quiet, alert, exit, otherStore);
  ASSERT_TRUE(other.Start());
  ASSERT_TRUE(other.Open_Project_Text(file(block({tags.rbegin(), tags.rend()}))).opened);
  const auto& forward = *project.Get_System(1);
  EXPECT_TRUE(other.model.project.Get_System(1)->Same_System(forward));
  EXPECT_EQ(forward.CatalogNumber(), "KV-7");
  EXPECT_EQ(forward.HoursPerYear(), 6000);
  EXPECT_EQ(forward.AltRateAtPoint(2), 1);
  EXPECT_EQ(forward.PowerIncentiveOneTime(), 0);
}

// The earliest layout's parameter lines stand for tags and keep within their
// limits; the motor-power incentive's interval is one-time for 1 alone.
TEST_F(ReaderTest, ParameterLinesActAsTheirTags) {
  struct Case {
    std::string line;
    bool accepted;
  };
  const Case cases[] = {
      {"P001=A1-01=24;", true},       {"P001=A1-01=25;", false}, {"P003=A1-03=0;", true},
      {"P004=A1-04=10;", true},       {"P004=A1-04=11;", false}, {"P009=A1-09=1000000;", true},
      {"P009=A1-09=1000001;", false}, {"P073=A1-73=5;", true},   {"P074=A1-74=1;", false},
      {"P071=A1-71=1.0;", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        read(file({"[POWER]", "HP", "[CURRENCY MODE]", "1", "[DATA ENERGY SAVER]", c.line}, false)),
        c.accepted)
        << c.line << ": " << lastMessage();
  }
  for (const char* interval : {"1", "0.6", "5"}) {
    ASSERT_TRUE(open(file({"[POWER]", "HP", "[CURRENCY MODE]", "1", "[DATA ENERGY SAVER]",
                           "P073=A1-73=" + std::string(interval) + ";", "P008=A1-08=12.5;"},
                          false)));
    EXPECT_EQ(project.Get_System(1)->PowerIncentiveOneTime(), interval[0] == '5' ? 0 : 1)
        << interval;
    EXPECT_EQ(project.Get_System(1)->PowerIncentive(), 12.5f);
  }
}

// A stream is read whole before its lines are; one that fails says so, unless
// its lines already held an error.
TEST_F(ReaderTest, AFailingStreamSaysFileError) {
  struct FailingBuffer : std::streambuf {
    explicit FailingBuffer(std::string text) : bytes(std::move(text)) {
      setg(bytes.data(), bytes.data(), bytes.data() + bytes.size());
    }
    int_type underflow() override { throw std::runtime_error("device gone"); }
    std::string bytes;
  };
  const std::string good = file(block({"MHP=20.0"}));
  std::istringstream whole(good);
  messages.shown.clear();
  EXPECT_TRUE(reader.Read_Project_Stream(whole));

  FailingBuffer failing(good);
  std::istream broken(&failing);
  messages.shown.clear();
  EXPECT_FALSE(reader.Read_Project_Stream(broken));
  EXPECT_EQ(lastMessage(), "FILE ERROR !");

  FailingBuffer failingAfterError(file(block({"MHP=6000"})));
  std::istream brokenAfterError(&failingAfterError);
  messages.shown.clear();
  EXPECT_FALSE(reader.Read_Project_Stream(brokenAfterError));
  EXPECT_EQ(lastMessage(), "MOTOR POWER ERROR: LINE 13.");
}

TEST_F(ReaderTest, AMissingFileSaysFileError) {
  std::string reason;
  EXPECT_FALSE(reader.ReadProjectFile("/no/such/file.ESEProj", &reason));
  EXPECT_EQ(lastMessage(), "FILE ERROR !");
  EXPECT_EQ(reason, "No such file or directory");
}

}  // namespace
}  // namespace korvane::projectfile

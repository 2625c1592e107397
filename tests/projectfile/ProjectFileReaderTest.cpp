#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Samples.h"
#include "SessionFixture.h"
#include "model/FeatureSwitches.h"
#include "model/FeatureSwitchesForTests.h"
#include "projectfile/ProjectFileReader.h"
#include "projectfile/ProjectFileWriter.h"

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
  bool read(const std::string& text, ReadPass pass = ReadPass::Validate) {
    messages.shown.clear();
    std::istringstream in(text);
    return reader.Read_Project_Stream(in, pass);
  }
  bool open(const std::string& text) {
    return read(text, ReadPass::Validate) && read(text, ReadPass::Apply);
  }
  std::string lastMessage() const {
    return messages.shown.empty() ? std::string() : messages.shown.back().text;
  }

  ProjectFileReader reader{session};
};

TEST_F(ReaderTest, ReadsTheIndependentSamples) {
  KORVANE_SKIP_WITHOUT_SAMPLES();
  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "reference-fan.ESEProj", ReadPass::Validate));
  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "reference-fan.ESEProj", ReadPass::Apply));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(project.SystemCount(), 1);
  EXPECT_EQ(reader.Staged().header.projectName, "Reference fan retrofit");
  EXPECT_EQ(reader.Staged().header.utilityName, "City Power");
  EXPECT_EQ(reader.Staged().projectMode, 0);
  const auto& fan = *project.Get_System(1);
  EXPECT_EQ(fan.Identification(), "Supply fan 1");
  EXPECT_NEAR(fan.Annual_Cost_Savings(), 6976.464, 5e-4);

  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "plant-4-systems.ESEProj", ReadPass::Validate));
  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "plant-4-systems.ESEProj", ReadPass::Apply));
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
  ASSERT_TRUE(reader.ReadProjectFile(kSamples / "plant-4-systems.ESEProj", ReadPass::Apply));
  StagedProject first = reader.Staged();
  session.Adopt_Opened_Project(first);
  EXPECT_EQ(session.header.projectType, 1);
  const std::string written =
      Project_File_Text({project, session.catalogue, values, session.header, "1/1/2026"});

  korvane::testing::FakeMessageSink quiet;
  MemorySettingsStore otherStore;
  EstimatorSession other(quiet, alert, exit, otherStore);
  ASSERT_TRUE(other.Start());
  ProjectFileReader again(other);
  std::istringstream in(written);
  ASSERT_TRUE(again.Read_Project_Stream(in, ReadPass::Apply)) << quiet.shown.size();
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
  EXPECT_EQ(reader.Staged().header.projectName, "Plant 2");
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
      {"MHP=-5", ""},
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
  EXPECT_EQ(reader.Staged().projectMode, 0);
  EXPECT_EQ(project.Get_System(1)->MotorHp(), 15.5f);
  EXPECT_EQ(project.Get_System(1)->HoursPerDay(), 12);
  EXPECT_EQ(values.currencySymbol, "£");
  EXPECT_EQ(project.PowerInKw(), 1);
  EXPECT_FALSE(read(file({"[DATA ENERGY SAVER]", "P099=A1-01=3;"}, false)));
  EXPECT_EQ(lastMessage(), "DATA ENERGY SAVER ERROR: LINE 2.");
  EXPECT_FALSE(read(file({"[DATA ENERGY SAVER]", "P005=A1-08=1x;"}, false)));

  // Nothing of the three: an early layout in dollars, English units, HP.
  ASSERT_TRUE(open(file({"[INFO]", "Contact", "", "Company"}, false)));
  EXPECT_EQ(reader.Staged().header.contact, "Contact");
  EXPECT_EQ(reader.Staged().header.title, "") << "a blank line takes a field";
  EXPECT_EQ(reader.Staged().header.company, "Company");
  EXPECT_EQ(values.currencySymbol, "$");
  EXPECT_EQ(reader.Staged().projectMode, -1);

  // Any other mix is refused, with a reason.
  EXPECT_FALSE(
      read(file({"[POWER]", "WATT", "[CURRENCY MODE]", "1", "[DIMENSION MODE]", "0"}, false)));
  EXPECT_NE(lastMessage().find("[POWER]"), std::string::npos);
}

TEST_F(ReaderTest, TheValidationPassChangesNothing) {
  const std::string pound =
      file({"[CURRENCY MODE]", "2", "[DIMENSION MODE]", "1", "[POWER]", "KW", "[CFP01]", "0.9"});
  const auto storeBefore = store.values;
  ASSERT_TRUE(read(pound, ReadPass::Validate));
  EXPECT_EQ(values.currencySymbol, "$");
  EXPECT_FALSE(values.metricUnits);
  EXPECT_EQ(project.PowerInKw(), 0);
  EXPECT_EQ(project.Co2Coal(), 0.705);
  EXPECT_EQ(store.values, storeBefore);

  ASSERT_TRUE(read(pound, ReadPass::Apply));
  EXPECT_EQ(values.currencySymbol, "£");
  EXPECT_EQ(store.readText("CARBONFP", "CBFPCONV1", ""), "0.900");

  ASSERT_TRUE(read(file({"[CURRENCY MODE]", "7"})));
  EXPECT_EQ(reader.Staged().currencyMode, 1) << "an unknown mode is ignored";
}

TEST_F(ReaderTest, AMissingFileSaysFileError) {
  EXPECT_FALSE(reader.ReadProjectFile("/no/such/file.ESEProj", ReadPass::Validate));
  EXPECT_EQ(lastMessage(), "FILE ERROR !");
}

}  // namespace
}  // namespace korvane::projectfile

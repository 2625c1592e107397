#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../core/ReferenceSystem.h"
#include "CatalogueFixture.h"
#include "Samples.h"
#include "ScratchFiles.h"
#include "model/ParameterCatalogue.h"
#include "projectfile/ProjectFileWriter.h"
#include "text/Cp1252.h"

namespace korvane::projectfile {
namespace {

namespace fs = std::filesystem;

using korvane::testing::readBytes;

class WriterTest : public korvane::testing::CatalogueFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(buildCatalogue());
    catalogue.Bound_Edit(model::kPrmEnergyRate)->setText("0.1");
    catalogue.Bound_Edit(model::kPrmAlternateRate)->setText("0.10");
    catalogue.Bound_Edit(model::kPrmDemandCharge)->setText("0");
    catalogue.Bound_Edit(model::kPrmUtilityIncentive)->setText("");
    korvane::testing::setFactoryFanCurves(project);

    prefs.customCurrency = "-";
    prefs.customTitles = {"Custom 1", "Custom 2"};
    header.projectName = "Reference fan retrofit";
    header.contact = "J. Smith";
    header.company = "Acme Plant Services";
    header.title = "Engineer";
    header.address = "1 Main Street";
    header.city = "Springfield";
    header.state = "IL";
    header.zip = "62701";
    header.country = "USA";
    header.telArea = "217";
    header.telNumber = "555-0100";
    header.faxNumber = "555-0101";
    header.email = "j.smith@example.com";
    header.utilityName = "City Power";
  }

  model::TVexEnergySystemAnalysis& addFan() {
    auto& fan = korvane::testing::addReferenceFan(project);
    fan.Set_Identification("Supply fan 1");
    fan.Set_MinimumHead(10);
    fan.Set_MotorFla(4);
    return fan;
  }

  ProjectFileSources sources() { return {project, catalogue, prefs, header, "7/27/2009"}; }

  model::EnergyModel model;
  model::TVexEnergyProjectAnalysis& project = model.project;
  preferences::PreferenceValues prefs;
  ProjectHeader header;
};

TEST_F(WriterTest, WritesTheReferenceProjectByteForByte) {
  KORVANE_SKIP_WITHOUT_SAMPLES();
  addFan();
  const korvane::testing::ScratchDir scratch("writer");
  const fs::path& dir = scratch.path();
  const fs::path file = dir / "reference.ESEProj";
  ASSERT_TRUE(WriteProjectFile(file, sources(), messages));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(readBytes(file), readBytes(korvane::testing::kSamplesDir / "reference-fan.ESEProj"));

  // Saving again replaces the file and leaves nothing else behind.
  header.projectName = "Second save";
  ASSERT_TRUE(WriteProjectFile(file, sources(), messages));
  EXPECT_NE(readBytes(file).find("[PROJECT]\r\nSecond save\r\n"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(WriterTest, AFailedSaveSaysSoAndWritesNothing) {
  addFan();
  const fs::path file = fs::temp_directory_path() / "korvane-no-such-dir" / "x.ESEProj";
  EXPECT_FALSE(WriteProjectFile(file, sources(), messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "FILE ERROR !");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(WriterTest, EmptyValuesLeaveTheHeadingAlone) {
  header.projectName.clear();
  prefs.customCurrency.clear();
  const std::string text = Project_File_Text(sources());
  EXPECT_NE(text.find("[PROJECT]\r\n[POWER]\r\n"), std::string::npos);
  EXPECT_NE(text.find("[CUSTOM CURRENCY]\r\n[DIMENSION MODE]\r\n"), std::string::npos);
  EXPECT_EQ(text.find("[SYSTEM ITEM START]"), std::string::npos);
  const std::string last = "[CUSTOM2 EFFICIENCY]\r\n" + std::string(
                                                            "1.0000,1.0000,1.0000,1.0000,"
                                                            "1.0000,1.0000,1.0000,1.0000,"
                                                            "1.0000,1.0000\r\n");
  EXPECT_EQ(text.substr(text.size() - last.size()), last) << "no system, no trailing block";

  addFan().Set_Identification("");
  const std::string withSystem = Project_File_Text(sources());
  EXPECT_NE(withSystem.find("[SYSTEM ITEM START]\r\nATP=0\r\n"), std::string::npos);
  EXPECT_EQ(withSystem.substr(withSystem.size() - 4), "\r\n\r\n");
}

TEST_F(WriterTest, BlocksFollowTheTreeOrderOfAProjectOfSeveralSystems) {
  for (const char* name : {"one", "two", "three"}) addFan().Set_Identification(name);
  header.projectType = model::ProjectType::MultiSystem;
  header.systemOrder = {3, 1, 2};
  const std::string text = Project_File_Text(sources());
  const auto three = text.find("APP=three");
  const auto one = text.find("APP=one");
  const auto two = text.find("APP=two");
  EXPECT_LT(three, one);
  EXPECT_LT(one, two);
  EXPECT_NE(text.find("[PROJECT-TYPE]\r\n1\r\n"), std::string::npos);

  header.projectType = model::ProjectType::SingleSystem;
  EXPECT_EQ(ReportSystemOrder(sources()), std::vector<int>{1});
  header.projectType = model::ProjectType::MultiSystem;
  header.systemOrder.clear();
  EXPECT_EQ(ReportSystemOrder(sources()), (std::vector<int>{1, 2, 3}));
}

TEST_F(WriterTest, TextIsWrittenInWindows1252) {
  addFan().Set_Identification("Lüfter € 2 ✓");
  const std::string bytes = text::utf8ToCp1252(Project_File_Text(sources()));
  EXPECT_NE(bytes.find("APP=L\xFC"
                       "fter \x80 2 ?\r\n"),
            std::string::npos);
  EXPECT_EQ(text::cp1252ToUtf8("L\xFC"
                               "fter \x80"),
            "Lüfter €");
}

TEST(ProjectFileFilter, BuildsTheDialogFilters) {
  EXPECT_EQ(ProjectFileFilter("Energy Files", {"ESEProj", ""}),
            "Energy Files (*.ESEProj)|*.ESEProj|");
  EXPECT_EQ(ProjectFileFilter("KORVANE Energy File Files", {"ESEProj"}),
            "KORVANE Energy File Files (*.ESEProj)|*.ESEProj|");
  EXPECT_EQ(ProjectFileFilter("", {"a", "b"}), "(*.a;*.b)|*.a;*.b|");
  EXPECT_EQ(ProjectFileFilter("X", {""}), "");
}

}  // namespace
}  // namespace korvane::projectfile

#pragma once

#include <array>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/TVexEnergySystem.h"
#include "projectfile/ProjectHeader.h"

namespace korvane {
class MessageSink;
}

namespace korvane::model {
class ParameterCatalogue;
}

namespace korvane::projectfile {

// What the program says when a file read fine but does not say whether it
// holds one system or several.
inline constexpr std::string_view kNoValidInformation =
    "The file you are trying to open does not contain valid information";

// Curves a project file may carry, in the order of their sections.
enum StagedCurve : int {
  kStagedOutletDamper = 0,
  kStagedInletVane,
  kStagedThrottlingValve,
  kStagedCustom1,
  kStagedCustom2,
  kStagedCurveCount
};

// What a read found, kept until the next read starts. Project-level settings
// are present only when the file supplied them.
struct StagedProject {
  std::optional<bool> powerInKw;
  std::optional<int> currencyMode;
  std::optional<std::string> customCurrency;
  std::optional<bool> metricUnits;
  std::optional<int> co2Mode;
  std::optional<std::string> co2Title;
  // Coal, natural gas, oil, user defined.
  std::array<std::optional<double>, 4> co2Factors;
  std::optional<double> driveEfficiency;
  std::array<std::optional<bool>, 2> customSelected;
  std::array<std::optional<std::array<double, 10>>, kStagedCurveCount> curves;
  // Only the titles the file supplied; the others stay as they are.
  std::array<std::optional<std::string>, 2> customTitles;

  // Customer data, and the utility values of the last system block.
  ProjectHeader header;
  double energyRate = 0;
  double alternateRate = 0;
  double demandCharge = 0;
  double demandRebate = 0;
  double utilityIncentive = 0;
  double powerIncentive = 0;
  bool powerIncentiveOneTime = true;
  int incentiveUnit = 0;
  // 0 single system, 1 several; -1 when the file did not say.
  int projectMode = -1;
  int systemCount = 0;
  // The systems read, in file order (systemCount of them).
  std::vector<std::shared_ptr<const model::TVexEnergySystem>> systems;
};

// Reads project files: checks a file, reports its first error with the line
// number through the message sink, and stages what it found. It changes
// nothing outside itself; making the staged project the current one is the
// session's business.
class ProjectFileReader {
 public:
  ProjectFileReader(const model::ParameterCatalogue& catalogue, MessageSink& messages);

  // The file is read once, whole, so a pipe or FIFO works as a plain file
  // does. Sets fileReason to the system's words when it could not be read.
  bool ReadProjectFile(const std::filesystem::path& path, std::string* fileReason = nullptr);
  bool Read_Project_Text(std::string_view bytes);
  bool Read_Project_Stream(std::istream& in);

  const StagedProject& Staged() const { return staged_; }

 private:
  class Run;
  const model::ParameterCatalogue& catalogue_;
  MessageSink& messages_;
  StagedProject staged_;
};

}  // namespace korvane::projectfile

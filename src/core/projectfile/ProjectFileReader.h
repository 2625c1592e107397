#pragma once

#include <array>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "projectfile/ProjectHeader.h"

namespace korvane {
class EstimatorSession;
}

namespace korvane::projectfile {

enum class ReadPass { Validate = 0, Apply = 1 };

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
  std::array<std::string, 2> customTitles;

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
};

// Reads project files: the validation pass checks a file and reports its first
// error with the line number; the apply pass, run after a successful
// validation, makes the file the current project and its settings the
// current preferences.
class ProjectFileReader {
 public:
  explicit ProjectFileReader(EstimatorSession& session);

  bool ReadProjectFile(const std::filesystem::path& path, ReadPass pass);
  bool Read_Project_Stream(std::istream& in, ReadPass pass);

  const StagedProject& Staged() const { return staged_; }

 private:
  class Run;
  EstimatorSession& session_;
  StagedProject staged_;
};

}  // namespace korvane::projectfile

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Kinds.h"
#include "model/ObjectState.h"
#include "platform/BoundInput.h"

namespace korvane {
class SettingsStore;
}

namespace korvane::model {

class ParameterCatalogue;
class TVexEnergyProjectAnalysis;

inline constexpr int kEfficiencyTypeCount = 7;
// The six types that have a curve, in the order of their numbers (the order
// the preferences dialog saves them in).
inline constexpr std::array<EfficiencyType, 6> kCurveTypes = {
    EfficiencyType::Custom1,      EfficiencyType::Custom2,         EfficiencyType::InletVane,
    EfficiencyType::OutletDamper, EfficiencyType::ThrottlingValve, EfficiencyType::Drive};
// The order in which all six curves are treated together.
inline constexpr std::array<EfficiencyType, 6> kCurveTreatmentOrder = {
    EfficiencyType::Drive,           EfficiencyType::OutletDamper, EfficiencyType::InletVane,
    EfficiencyType::ThrottlingValve, EfficiencyType::Custom1,      EfficiencyType::Custom2};

// The user's titles of the two custom controls (empty: "Custom 1", "Custom 2").
using CustomTitles = std::array<std::string, 2>;

std::string Get_Efficiency_Name(EfficiencyType type, const CustomTitles& titles);

// One entry of a present flow-control list: its text and the FlowControl value
// it stands for.
struct FlowControlItem {
  std::string name;
  FlowControl value;
};

// The present flow-control choices of a fan or pump, without the items the
// feature switches leave out. Cooling towers have none.
std::vector<FlowControlItem> FlowControlItems(ApplicationType application,
                                              const CustomTitles& titles);

// Where one curve lives: the application type and slot of the project's curve
// table, the types it is copied to, its parameters and stored value names.
struct TMultEfficiencySettings {
  int SourceApplication = 0;
  int CopyApplication1 = 0;
  int CopyApplication2 = 0;
  std::array<std::string, kPointCount> DefaultTexts;
  int Slot = 0;
  std::array<int, kPointCount> PointParameters{};
  std::string ValueBaseName;
};

// Nothing for the type without a curve (across the line) and numbers no type
// stands for.
std::optional<TMultEfficiencySettings> Get_Efficiency_Settings(EfficiencyType type,
                                                               const ParameterCatalogue& catalogue);

// Stored value name of point i (1..10): base name and flow percentage.
std::string Curve_Value_Name(std::string_view baseName, int point);

// The preferences dialog's sixty curve fields by efficiency type and point.
using CurveEditTable = std::array<std::array<BoundInput*, kPointCount>, kEfficiencyTypeCount>;
// Finds the curve fields of a form by name; nothing when one is missing.
std::optional<CurveEditTable> Collect_Curve_Edits(InputForm& form);

// Where a curve is taken from.
enum class CurveSource { Factory = 0, Dialog = 1, Show = 2, Parameters = 3, Stored = 4 };
// Where Store_Efficiency takes the values it writes.
enum class CurveOrigin { DialogTexts = 0, Parameters = 1 };

// Moves curves between the factory defaults, the preferences dialog, the
// parameter catalogue, the settings store and the project's curve table.
class EfficiencyCurves {
 public:
  EfficiencyCurves(ParameterCatalogue& catalogue, TVexEnergyProjectAnalysis& project,
                   SettingsStore& store);

  void Set_Dialog_Edits(const CurveEditTable& edits) { edits_ = edits; }
  // Separators the dialog's fields are shown with.
  void Set_Separators(std::string_view decimalSeparator, std::string_view thousandsSeparator);

  void Apply_Efficiency(EfficiencyType type, CurveSource source);
  void Store_Efficiency(EfficiencyType type, CurveOrigin from);

  // Reads a number typed in the dialog with its separators.
  std::optional<double> Parse_Dialog_Number(std::string_view text) const;
  // The factory curve in the dialog's fields only; memory waits for Ok.
  void Show_Factory_Efficiency(EfficiencyType type);

 private:
  BoundInput* edit(EfficiencyType type, int point) const;
  // A value of a curve parameter as the dialog shows it.
  std::string dialogText(int parameter, double value) const;

  ParameterCatalogue& catalogue_;
  TVexEnergyProjectAnalysis& project_;
  SettingsStore& store_;
  CurveEditTable edits_{};
  std::string decimalSeparator_ = ".";
  std::string thousandsSeparator_ = ",";
};

}  // namespace korvane::model

#include "model/EfficiencyCurves.h"

#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "text/NumberText.h"

namespace korvane::model {

namespace {

constexpr std::string_view kNoneAcrossTheLine = "None (Across-the-Line)";
constexpr std::string_view kInletVane = "Inlet Vane";
constexpr std::string_view kOutletDamper = "Outlet Damper";
constexpr std::string_view kThrottlingValve = "Throttling Valve";
constexpr std::string_view kDrive = "Adjustable Speed Drive";

using enum EfficiencyType;

struct CurveRow {
  EfficiencyType type;
  int source;
  int copy1;
  int copy2;
  int slot;
  int firstParameter;  // all ten points use it when samePoint is set
  bool samePoint;
  std::string_view baseName;
  std::string_view editFormat;
};

constexpr std::array<CurveRow, 6> kCurveRows = {{
    {Custom1, 1, 2, 0, 5, kPrmFirstCustom1, false, "C1E", "C1E"},
    {Custom2, 1, 2, 0, 6, kPrmFirstCustom2, false, "C2E", "C2E"},
    {InletVane, 1, 0, 0, 3, kPrmFirstInletVane, false, "IVE", "IvE"},
    {OutletDamper, 1, 0, 0, 4, kPrmFirstOutletDamper, false, "DE", "DE"},
    {ThrottlingValve, 2, 0, 0, 3, kPrmFirstThrottlingValve, false, "VAE", "VaE"},
    {Drive, 1, 2, 3, 1, kPrmDriveEfficiency, true, "VFDE", "VfdE"},
}};

const CurveRow* curveRow(EfficiencyType type) {
  for (const CurveRow& row : kCurveRows) {
    if (row.type == type) return &row;
  }
  return nullptr;
}

int flowPercentOfPoint(int point) {
  return 110 - 10 * point;
}

}  // namespace

std::string Get_Efficiency_Name(EfficiencyType type, const CustomTitles& titles) {
  switch (type) {
    case Custom1:
    case Custom2: {
      const auto k = static_cast<size_t>(ToNumber(type));
      const std::string& title = titles[k];
      return title.empty() ? std::string(settings::kCustomTitles[k].fallback) : title;
    }
    case InletVane:
      return std::string(kInletVane);
    case AcrossTheLine:
      return std::string(kNoneAcrossTheLine);
    case OutletDamper:
      return std::string(kOutletDamper);
    case ThrottlingValve:
      return std::string(kThrottlingValve);
    case Drive:
      return std::string(kDrive);
  }
  return std::string();
}

std::vector<FlowControlItem> FlowControlItems(ApplicationType application,
                                              const CustomTitles& titles) {
  std::vector<FlowControlItem> items;
  if (application != ApplicationType::Fan && application != ApplicationType::Pump) return items;
  items.push_back({std::string(kNoneAcrossTheLine), FlowControl::AcrossTheLine});
  if (application == ApplicationType::Fan) {
    if (!FeatureOff(NoInletVane)) {
      items.push_back({std::string(kInletVane), FlowControl::InletVaneOrValve});
    }
    if (!FeatureOff(NoOutletDamper)) {
      items.push_back({std::string(kOutletDamper), FlowControl::OutletDamper});
    }
  } else {
    items.push_back({std::string(kThrottlingValve), FlowControl::InletVaneOrValve});
  }
  if (!FeatureOff(NoCustomCurves)) {
    items.push_back({Get_Efficiency_Name(Custom1, titles), FlowControl::Custom1});
    items.push_back({Get_Efficiency_Name(Custom2, titles), FlowControl::Custom2});
  }
  return items;
}

std::string Curve_Value_Name(std::string_view baseName, int point) {
  return std::string(baseName) + std::to_string(flowPercentOfPoint(point));
}

std::optional<TMultEfficiencySettings> Get_Efficiency_Settings(
    EfficiencyType type, const ParameterCatalogue& catalogue) {
  const CurveRow* row = curveRow(type);
  if (!row) return std::nullopt;
  TMultEfficiencySettings s;
  s.SourceApplication = row->source;
  s.CopyApplication1 = row->copy1;
  s.CopyApplication2 = row->copy2;
  s.Slot = row->slot;
  s.ValueBaseName = row->baseName;
  for (int i = 0; i < kPointCount; ++i) {
    const int parameter = row->samePoint ? row->firstParameter : row->firstParameter + i;
    s.PointParameters[static_cast<size_t>(i)] = parameter;
    s.DefaultTexts[static_cast<size_t>(i)] = catalogue.Get_Prm_Default_Text(parameter);
  }
  return s;
}

std::optional<CurveEditTable> Collect_Curve_Edits(InputForm& form) {
  CurveEditTable table{};
  for (const CurveRow& row : kCurveRows) {
    for (int point = 1; point <= kPointCount; ++point) {
      const ComponentLookup found = form.findComponent(std::string(row.editFormat) +
                                                       std::to_string(flowPercentOfPoint(point)));
      if (!found.input) return std::nullopt;
      table[static_cast<size_t>(ToNumber(row.type))][static_cast<size_t>(point - 1)] = found.input;
    }
  }
  return table;
}

EfficiencyCurves::EfficiencyCurves(ParameterCatalogue& catalogue,
                                   TVexEnergyProjectAnalysis& project, SettingsStore& store)
    : catalogue_(catalogue), project_(project), store_(store) {}

void EfficiencyCurves::Set_Separators(std::string_view decimalSeparator,
                                      std::string_view thousandsSeparator) {
  decimalSeparator_ = decimalSeparator;
  thousandsSeparator_ = thousandsSeparator;
}

BoundInput* EfficiencyCurves::edit(EfficiencyType type, int point) const {
  const int t = ToNumber(type);
  if (t < 0 || t >= kEfficiencyTypeCount || point < 1 || point > kPointCount) return nullptr;
  return edits_[static_cast<size_t>(t)][static_cast<size_t>(point - 1)];
}

std::optional<double> EfficiencyCurves::Parse_Dialog_Number(std::string_view text) const {
  return text::parseLocalNumber(text, decimalSeparator_, thousandsSeparator_);
}

std::string EfficiencyCurves::dialogText(int parameter, double value) const {
  std::string shown = catalogue_.Format_Prm(parameter, value);
  const auto point = shown.find('.');
  if (point != std::string::npos) shown.replace(point, 1, decimalSeparator_);
  return shown;
}

void EfficiencyCurves::Show_Factory_Efficiency(EfficiencyType type) {
  const auto settings = Get_Efficiency_Settings(type, catalogue_);
  if (!settings) return;
  for (int point = 1; point <= kPointCount; ++point) {
    const auto k = static_cast<size_t>(point - 1);
    BoundInput* field = edit(type, point);
    const auto value = text::parseNumber(settings->DefaultTexts[k]);
    if (field && value) field->setText(dialogText(settings->PointParameters[k], *value));
  }
}

void EfficiencyCurves::Apply_Efficiency(EfficiencyType type, CurveSource source) {
  const auto settings = Get_Efficiency_Settings(type, catalogue_);
  if (!settings) return;
  for (int point = 1; point <= kPointCount; ++point) {
    const auto k = static_cast<size_t>(point - 1);
    const int parameter = settings->PointParameters[k];
    std::optional<double> value;
    switch (source) {
      case CurveSource::Factory:
        value = text::parseNumber(settings->DefaultTexts[k]);
        break;
      case CurveSource::Dialog:
        if (BoundInput* field = edit(type, point)) value = Parse_Dialog_Number(field->text());
        break;
      case CurveSource::Show:
        if (BoundInput* field = edit(type, point)) {
          field->setText(dialogText(
              parameter, project_.Get_Curve(settings->SourceApplication, settings->Slot, point)));
        }
        continue;
      case CurveSource::Parameters:
        project_.Set_Curve(settings->SourceApplication, settings->Slot, point,
                           catalogue_.Get_Prm_Value(parameter));
        continue;
      case CurveSource::Stored:
        value = store_.readNumber(settings::kEfficiencySection,
                                  Curve_Value_Name(settings->ValueBaseName, point),
                                  settings->DefaultTexts[k]);
        break;
    }
    if (!value) continue;  // an unreadable dialog text keeps the point as it was
    project_.Set_Curve(settings->SourceApplication, settings->Slot, point, *value);
    catalogue_.Set_Prm_Value(parameter, *value);
  }
  if (source == CurveSource::Show) return;
  if (settings->CopyApplication1 != 0) {
    project_.Copy_Curve(settings->CopyApplication1, settings->Slot, settings->SourceApplication);
  }
  if (settings->CopyApplication2 != 0) {
    project_.Copy_Curve(settings->CopyApplication2, settings->Slot, settings->SourceApplication);
  }
}

void EfficiencyCurves::Store_Efficiency(EfficiencyType type, CurveOrigin from) {
  const auto settings = Get_Efficiency_Settings(type, catalogue_);
  if (!settings) return;
  for (int point = 1; point <= kPointCount; ++point) {
    const auto k = static_cast<size_t>(point - 1);
    const std::string name = Curve_Value_Name(settings->ValueBaseName, point);
    const int parameter = settings->PointParameters[k];
    if (from == CurveOrigin::DialogTexts) {
      // Stored in "." form whatever the user's locale; an empty or unreadable
      // field keeps the value stored before.
      BoundInput* field = edit(type, point);
      const auto value = field ? Parse_Dialog_Number(field->text()) : std::nullopt;
      if (value)
        store_.writeText(settings::kEfficiencySection, name,
                         catalogue_.Format_Prm(parameter, *value));
    } else {
      store_.writeText(settings::kEfficiencySection, name,
                       catalogue_.Format_Prm(parameter, catalogue_.Get_Prm_Value(parameter)));
    }
  }
}

}  // namespace korvane::model

#include "preferences/PreferenceProcedures.h"

#include <array>

#include "model/EfficiencyCurves.h"
#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "platform/SettingsStore.h"
#include "text/NumberText.h"

namespace korvane::preferences {

namespace {

using model::FeatureOff;
using namespace store;

constexpr size_t kTitleLength = 30;
constexpr size_t kCustomCurrencyLength = 5;
constexpr size_t kSymbolLength = 10;

// The CO2 factors: value name, parameter, field, in the order user, coal, gas, oil.
struct FactorValue {
  std::string_view name;
  int parameter;
  std::string_view field;
};
constexpr std::array<FactorValue, 4> kFactors = {{
    {"CBFPCONV", model::kPrmCo2User, "CfpLbs"},
    {"CBFPCONV1", model::kPrmCo2Coal, "CfpLbs1"},
    {"CBFPCONV2", model::kPrmCo2Gas, "CfpLbs2"},
    {"CBFPCONV3", model::kPrmCo2Oil, "CfpLbs3"},
}};

constexpr double kKgPerLb = 0.454;

}  // namespace

std::string IncentiveUnitItemText(const PreferenceValues& values, model::IncentiveUnit unit,
                                  bool powerInKw) {
  if (unit == model::IncentiveUnit::PerPowerUnit)
    return values.currencySymbol + "/" + (powerInKw ? "kW" : "HP");
  return values.currencySymbol + "/system";
}

PreferenceProcedures::PreferenceProcedures(SettingsStore& store, PreferenceValues& values,
                                           PreferencesControls& controls,
                                           model::ParameterCatalogue& catalogue,
                                           model::TVexEnergyProjectAnalysis& project,
                                           model::EfficiencyCurves& curves, NumberFormat format)
    : store_(store),
      values_(values),
      controls_(controls),
      catalogue_(catalogue),
      project_(project),
      curves_(curves),
      format_(std::move(format)) {
  if (auto edits = model::Collect_Curve_Edits(controls_)) curves_.Set_Dialog_Edits(*edits);
  curves_.Set_Separators(format_.decimalSeparator, format_.thousandsSeparator);
}

void PreferenceProcedures::showFactor(size_t index, double value) {
  ShownFactor& shown = shownFactors_[index];
  shown.text = text::formatLocalFixed(value, 3, format_.decimalSeparator);
  shown.value = value;
  controls_.field(std::string(kFactors[index].field)).setText(shown.text);
}

std::optional<double> PreferenceProcedures::factorValue(size_t index) {
  const std::string typed = controls_.field(std::string(kFactors[index].field)).text();
  if (typed == shownFactors_[index].text) return shownFactors_[index].value;
  return text::parseLocalNumber(typed, format_.decimalSeparator, format_.thousandsSeparator);
}

std::vector<float> PreferenceProcedures::curvePoints() const {
  // As single floats, the precision the catalogue keeps them in: a curve that
  // went through the catalogue and back has not changed.
  std::vector<float> points;
  for (model::EfficiencyType type : model::kCurveTypes) {
    const auto settings = model::Get_Efficiency_Settings(type, catalogue_);
    if (!settings) continue;
    for (int point = 1; point <= model::kPointCount; ++point) {
      points.push_back(static_cast<float>(
          project_.Get_Curve(settings->SourceApplication, settings->Slot, point)));
    }
  }
  return points;
}

void PreferenceProcedures::Show_Factor_Fields() {
  for (size_t i = 0; i < kFactors.size(); ++i) {
    showFactor(i, catalogue_.Get_Prm_Value(kFactors[i].parameter));
  }
}

void PreferenceProcedures::Store_Factor_Fields() {
  for (const FactorValue& f : kFactors) {
    const auto value = text::parseLocalNumber(controls_.field(std::string(f.field)).text(),
                                              format_.decimalSeparator, format_.thousandsSeparator);
    if (value) catalogue_.Set_Prm_Value(f.parameter, *value);
  }
}

void PreferenceProcedures::Apply_Currency_Mode(int mode, bool fillField) {
  values_.currencyMode = mode;
  values_.currencySymbol = CurrencySymbol(mode, values_.customCurrency);
  controls_.currencyButton = mode >= 0 && mode <= 3 ? mode : 0;
  if (mode == 3 && fillField) controls_.customCurrency = values_.customCurrency;
}

void PreferenceProcedures::readCo2Factors() {
  auto factor = [&](int i) {
    const FactorValue& f = kFactors[static_cast<size_t>(i)];
    return store_.readNumber(kCarbon, f.name, catalogue_.Get_Prm_Default_Text(f.parameter));
  };
  project_.Set_Co2User(factor(0));
  project_.Set_Co2Coal(factor(1));
  project_.Set_Co2Gas(factor(2));
  project_.Set_Co2Oil(factor(3));
}

void PreferenceProcedures::readCustomSelected() {
  for (int i = 0; i < 2; ++i) {
    const std::string name = "CUSTOM" + std::to_string(i + 1);
    values_.customSelected[static_cast<size_t>(i)] = store_.readFlag(kEff, name, false);
    controls_.customSelected[static_cast<size_t>(i)] =
        values_.customSelected[static_cast<size_t>(i)];
  }
}

void PreferenceProcedures::readReportTexts() {
  controls_.preparedBy = store_.readText(kCustomReport, "PREP", "");
  controls_.companyInformation = store_.readText(kCustomReport, "CPINFO", "");
  if (!FeatureOff(model::NoCompanyLogo)) {
    values_.companyLogoFile = store_.readText(kCustomReport, "LOGOFN", "");
    controls_.companyLogoFile = values_.companyLogoFile;
  }
}

void PreferenceProcedures::readCustomCurrency() {
  const std::string stored = store_.readText(kProgram, "CC", "-");
  values_.customCurrency = text::utf8Prefix(stored, kCustomCurrencyLength);
  controls_.customCurrency = stored;
}

void PreferenceProcedures::readStartupFlags(bool automaticUnitFallback) {
  values_.customerBlock = store_.readFlag(kProgram, "L1", true);
  values_.introductionScreen = store_.readFlag(kProgram, "L2", true);
  if (!FeatureOff(model::NoCumulativePayback)) {
    project_.Set_CumulativePayback(store_.readFlag(kProgram, "L3", true) ? 1 : 0);
  }
  values_.automaticPowerUnit = store_.readFlag(kProgram, "L4", automaticUnitFallback);
  if (!FeatureOff(model::NoUpdateCheck)) {
    values_.autoUpdateCheck = store_.readFlag(kProgram, "L50", false);
  }
}

void PreferenceProcedures::tickStartupFlags() {
  controls_.customerBlock = values_.customerBlock;
  controls_.introductionScreen = values_.introductionScreen;
  controls_.cumulativePayback = project_.CumulativePayback() != 0;
  controls_.automaticPowerUnit = values_.automaticPowerUnit;
  controls_.checkForUpdates = values_.autoUpdateCheck;
}

void PreferenceProcedures::readUnits(bool fallback) {
  const bool kw = store_.readFlag(kProgram, "PS", fallback);
  controls_.powerKw = kw;
  project_.Set_PowerInKw(kw ? 1 : 0);
  const bool metric = store_.readFlag(kProgram, "DS", fallback);
  controls_.metricUnits = metric;
  values_.metricUnits = metric;
  values_.weightLabel = metric ? kKg : kLbs;
  readCustomCurrency();
}

void PreferenceProcedures::Load_OPT2() {
  Show_Factor_Fields();
  for (model::EfficiencyType type : model::kCurveTreatmentOrder) {
    curves_.Apply_Efficiency(type, model::CurveSource::Stored);
  }
  readCustomSelected();
  for (int i = 0; i < 2; ++i) {
    const std::string number = std::to_string(i + 1);
    const std::string title = text::utf8Prefix(
        store_.readText(kEff, "CUSTOM" + number + "TITLE", "Custom " + number), kTitleLength);
    values_.customTitles[static_cast<size_t>(i)] = title;
    controls_.customTitles[static_cast<size_t>(i)] = title;
  }
  readReportTexts();

  readStartupFlags(false);
  tickStartupFlags();
  controls_.preparedBy = store_.readText(kUser, "PREP", "");
  controls_.companyInformation = store_.readText(kUser, "CPINFO", "");
  readCo2Factors();
  readUnits(false);

  controls_.currencyButton = -1;
  const long long mode = store_.readInteger(kProgram, "CS", 1);
  if (mode < 0 || mode > 3) {
    store_.writeInteger(kProgram, "CS", 1);
    controls_.currencyButton = 1;
    values_.currencySymbol = kDollar;
  } else {
    Apply_Currency_Mode(static_cast<int>(mode));
  }

  controls_.fuelButton = -1;
  project_.Set_Co2Source(static_cast<int>(store_.readInteger(kCarbon, "CFP", 0)));
  const int source = project_.Co2Source();
  controls_.fuelButton = source >= 1 && source <= 3 ? source : 0;
  values_.co2Description = store_.readText(kCarbon, "CFPDES", "");
  controls_.fuelDescription = values_.co2Description;

  for (model::EfficiencyType type : model::kCurveTreatmentOrder) {
    curves_.Apply_Efficiency(type, model::CurveSource::Show);
  }
  Show_Project_Factors();
  Save_Opt();
}

void PreferenceProcedures::Load_OPT() {
  for (model::EfficiencyType type : model::kCurveTreatmentOrder) {
    curves_.Apply_Efficiency(type, model::CurveSource::Stored);
  }
  readCo2Factors();
  for (model::EfficiencyType type : model::kCurveTreatmentOrder) {
    curves_.Apply_Efficiency(type, model::CurveSource::Parameters);
  }
  readCustomSelected();
  readReportTexts();
  // The check boxes are ticked when the dialog is shown.
  readStartupFlags(true);
  controls_.preparedBy = store_.readText(kUser, "PREP", "");
  controls_.companyInformation = store_.readText(kUser, "CPINFO", "");
  readCo2Factors();
  readUnits(true);

  controls_.currencyButton = 1;
  values_.currencySymbol = kDollar;
  const long long mode = store_.readInteger(kProgram, "CS", 0);
  if (mode < 0 || mode > 3) {
    store_.writeInteger(kProgram, "CS", 0);
    values_.currencyMode = 0;
  } else {
    Apply_Currency_Mode(static_cast<int>(mode));
  }
}

bool PreferenceProcedures::Save_Opt() {
  const std::string symbolBefore = values_.currencySymbol;
  const bool kwBefore = project_.PowerInKw() != 0;
  const bool metricBefore = values_.metricUnits;
  const int sourceBefore = project_.Co2Source();
  const std::array<double, 4> factorsBefore = {project_.Co2User(), project_.Co2Coal(),
                                               project_.Co2Gas(), project_.Co2Oil()};
  const std::string storedCurrency = store_.readText(kProgram, "CC", "");
  const std::string storedDescription = store_.readText(kCarbon, "CFPDES", "");
  const std::vector<float> curvesBefore = curvePoints();
  const std::array<std::string, 2> titlesBefore = values_.customTitles;

  for (model::EfficiencyType type : model::kCurveTypes)
    curves_.Store_Efficiency(type, model::CurveOrigin::DialogTexts);
  for (model::EfficiencyType type : model::kCurveTypes)
    curves_.Apply_Efficiency(type, model::CurveSource::Dialog);

  for (int i = 0; i < 2; ++i) {
    const auto k = static_cast<size_t>(i);
    values_.customTitles[k] = text::utf8Prefix(controls_.customTitles[k], kTitleLength);
    store_.writeText(kEff, "CUSTOM" + std::to_string(i + 1) + "TITLE", values_.customTitles[k]);
  }
  if (ListsRenamed) ListsRenamed();
  for (int i = 0; i < 2; ++i) {
    const auto k = static_cast<size_t>(i);
    store_.writeFlag(kEff, "CUSTOM" + std::to_string(i + 1), controls_.customSelected[k]);
    values_.customSelected[k] = controls_.customSelected[k];
  }
  if (!FeatureOff(model::NoCompanyLogo)) {
    store_.writeText(kCustomReport, "LOGOFN", controls_.companyLogoFile);
    values_.companyLogoFile = controls_.companyLogoFile;
  }
  store_.writeText(kUser, "PREP", controls_.preparedBy);
  store_.writeText(kUser, "CPINFO", controls_.companyInformation);
  values_.preparedBy = controls_.preparedBy;
  values_.companyInformation = controls_.companyInformation;

  store_.writeFlag(kProgram, "L1", controls_.customerBlock);
  store_.writeFlag(kProgram, "L2", controls_.introductionScreen);
  if (!FeatureOff(model::NoCumulativePayback)) {
    store_.writeFlag(kProgram, "L3", controls_.cumulativePayback);
  }
  store_.writeFlag(kProgram, "L4", controls_.automaticPowerUnit);
  if (!FeatureOff(model::NoUpdateCheck))
    store_.writeFlag(kProgram, "L50", controls_.checkForUpdates);

  store_.writeFlag(kProgram, "PS", controls_.powerKw);
  project_.Set_PowerInKw(controls_.powerKw ? 1 : 0);
  store_.writeFlag(kProgram, "DS", controls_.metricUnits);
  values_.metricUnits = controls_.metricUnits;
  values_.weightLabel = controls_.metricUnits ? kKg : kLbs;

  switch (controls_.currencyButton) {
    case 0:
    case 1:
    case 2:
      store_.writeInteger(kProgram, "CS", controls_.currencyButton);
      values_.currencyMode = controls_.currencyButton;
      values_.currencySymbol = CurrencySymbol(controls_.currencyButton, values_.customCurrency);
      break;
    case 3:
      store_.writeInteger(kProgram, "CS", 3);
      values_.currencyMode = 3;
      values_.currencySymbol = text::utf8Prefix(controls_.customCurrency, kSymbolLength);
      values_.customCurrency = text::utf8Prefix(controls_.customCurrency, kCustomCurrencyLength);
      break;
    default:
      store_.writeInteger(kProgram, "CS", 0);
      values_.currencyMode = 0;
      values_.currencySymbol = kEuro;
      break;
  }
  store_.writeText(kProgram, "CC", controls_.customCurrency);
  if (ListsRenamed) ListsRenamed();

  const int fuel =
      controls_.fuelButton >= 1 && controls_.fuelButton <= 3 ? controls_.fuelButton : 0;
  project_.Set_Co2Source(fuel);
  store_.writeInteger(kCarbon, "CFP", fuel);
  store_.writeText(kCarbon, "CFPDES", controls_.fuelDescription);
  values_.co2Description = controls_.fuelDescription;
  std::array<std::optional<double>, 4> typed;
  for (size_t i = 0; i < kFactors.size(); ++i) {
    const std::string shown = controls_.field(std::string(kFactors[i].field)).text();
    typed[i] = text::parseLocalNumber(shown, format_.decimalSeparator, format_.thousandsSeparator);
    // Stored in "." form so that the next load reads it in any locale.
    store_.writeText(kCarbon, kFactors[i].name, typed[i] ? text::formatFixed(*typed[i], 3) : shown);
  }

  values_.customerBlock = controls_.customerBlock;
  values_.introductionScreen = controls_.introductionScreen;
  values_.automaticPowerUnit = controls_.automaticPowerUnit;
  project_.Set_CumulativePayback(controls_.cumulativePayback ? 1 : 0);
  if (!FeatureOff(model::NoUpdateCheck)) values_.autoUpdateCheck = controls_.checkForUpdates;

  if (typed[1]) project_.Set_Co2Coal(*typed[1]);
  if (typed[2]) project_.Set_Co2Gas(*typed[2]);
  if (typed[3]) project_.Set_Co2Oil(*typed[3]);
  if (typed[0]) project_.Set_Co2User(*typed[0]);

  Store_Factor_Fields();

  const std::array<double, 4> factorsAfter = {project_.Co2User(), project_.Co2Coal(),
                                              project_.Co2Gas(), project_.Co2Oil()};
  return curvePoints() != curvesBefore || values_.customTitles != titlesBefore ||
         values_.currencySymbol != symbolBefore || (project_.PowerInKw() != 0) != kwBefore ||
         values_.metricUnits != metricBefore || project_.Co2Source() != sourceBefore ||
         factorsAfter != factorsBefore || controls_.customCurrency != storedCurrency ||
         controls_.fuelDescription != storedDescription;
}

void PreferenceProcedures::Show_Project_Factors() {
  const double factors[4] = {project_.Co2User(), project_.Co2Coal(), project_.Co2Gas(),
                             project_.Co2Oil()};
  for (size_t i = 0; i < kFactors.size(); ++i) showFactor(i, factors[i]);
}

void PreferenceProcedures::Show_Dialog() {
  readReportTexts();
  readStartupFlags(true);
  tickStartupFlags();
  Show_Project_Factors();
  if (!FeatureOff(model::NoCompanyLogo)) controls_.companyLogoFile = values_.companyLogoFile;
  controls_.preparedBy = store_.readText(kUser, "PREP", "");
  controls_.companyInformation = store_.readText(kUser, "CPINFO", "");
  controls_.co2FieldsMetric = values_.metricUnits;
  for (model::EfficiencyType type : model::kCurveTreatmentOrder) {
    curves_.Apply_Efficiency(type, model::CurveSource::Show);
  }
  controls_.customTitles = values_.customTitles;
  controls_.customSelected = values_.customSelected;
  // What a cancelled showing left in the controls goes back to memory's (the
  // currency comes from the store through Load_OPT, or from an opened file).
  controls_.powerKw = project_.PowerInKw() != 0;
  controls_.metricUnits = values_.metricUnits;
  const int source = project_.Co2Source();
  controls_.fuelButton = source >= 1 && source <= 3 ? source : 0;
  controls_.fuelDescription = values_.co2Description;
}

bool PreferenceProcedures::Check_Factor_Field(const std::string& name, bool& clamped) {
  clamped = false;
  TextField& field = controls_.field(name);
  if (field.text().empty()) return false;
  size_t index = 0;
  while (index < kFactors.size() && kFactors[index].field != name) ++index;
  if (index == kFactors.size()) return false;
  double value = factorValue(index).value_or(0);
  const int parameter = field.tag();
  const double low = catalogue_.Get_Prm_Minimum(parameter);
  const double high = catalogue_.Get_Prm_Maximum(parameter);
  if (value > high) {
    value = high;
    clamped = true;
  } else if (value < low) {
    value = low;
    clamped = true;
  }
  showFactor(index, value);
  return true;
}

void PreferenceProcedures::Convert_Factor_Fields(bool metric) {
  if (controls_.co2FieldsMetric == metric) return;
  controls_.co2FieldsMetric = metric;
  for (size_t i = 0; i < kFactors.size(); ++i) {
    const double value = factorValue(i).value_or(0);
    showFactor(i, metric ? value * kKgPerLb : value / kKgPerLb);
  }
}

std::string_view PreferenceProcedures::Factor_Fields_Weight_Label() const {
  return controls_.co2FieldsMetric ? kKg : kLbs;
}

void PreferenceProcedures::Copy_Drive_Field() {
  const std::string drive = controls_.field("VfdE100").text();
  for (int flow = 90; flow >= 10; flow -= 10) {
    controls_.field("VfdE" + std::to_string(flow)).setText(drive);
  }
}

void PreferenceProcedures::Reset_Efficiency() {
  using enum model::EfficiencyType;
  for (auto type : {Drive, OutletDamper, InletVane, ThrottlingValve}) {
    curves_.Show_Factory_Efficiency(type);
  }
}

void PreferenceProcedures::Reset_Custom_Efficiency() {
  for (auto type : {model::EfficiencyType::Custom1, model::EfficiencyType::Custom2}) {
    curves_.Show_Factory_Efficiency(type);
  }
  controls_.customSelected = {false, false};
  controls_.customTitles = {"Custom 1", "Custom 2"};
}

void PreferenceProcedures::Reset_Carbon_Footprint() {
  // The factory factors are pounds per kWh; shown in the unit the fields show.
  const double scale = controls_.co2FieldsMetric ? kKgPerLb : 1.0;
  for (size_t i = 0; i < kFactors.size(); ++i) {
    const int parameter = kFactors[i].parameter;
    const double factory = text::parseNumber(catalogue_.Get_Prm_Default_Text(parameter))
                               .value_or(catalogue_.Entry(parameter)->Default);
    showFactor(i, factory * scale);
  }
}

}  // namespace korvane::preferences

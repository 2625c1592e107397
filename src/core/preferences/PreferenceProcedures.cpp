#include "preferences/PreferenceProcedures.h"

#include <array>

#include "model/EfficiencyCurves.h"
#include "model/FeatureSwitches.h"
#include "model/ParameterCatalogue.h"
#include "model/TVexEnergyProjectAnalysis.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "preferences/Co2Factors.h"
#include "text/NumberText.h"

namespace korvane::preferences {

namespace {

using model::FeatureOff;
using settings::Load;

constexpr size_t kTitleLength = 30;
constexpr size_t kCustomCurrencyLength = 5;
constexpr size_t kSymbolLength = 10;

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
  controls_.field(std::string(kCo2Factors[index].field)).setText(shown.text);
}

std::optional<double> PreferenceProcedures::factorValue(size_t index) {
  const std::string typed = controls_.field(std::string(kCo2Factors[index].field)).text();
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
  for (size_t i = 0; i < kCo2Factors.size(); ++i) {
    showFactor(i, catalogue_.Get_Prm_Value(kCo2Factors[i].parameter));
  }
}

void PreferenceProcedures::Store_Factor_Fields() {
  for (const Co2Factor& f : kCo2Factors) {
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
  for (const Co2Factor& f : kCo2Factors) {
    (project_.*f.set)(f.stored->read(store_, catalogue_.Get_Prm_Default_Text(f.parameter)));
  }
}

void PreferenceProcedures::readCustomSelected() {
  for (size_t i = 0; i < settings::kCustomSelected.size(); ++i) {
    values_.customSelected[i] = settings::kCustomSelected[i].read(store_);
    controls_.customSelected[i] = values_.customSelected[i];
  }
}

void PreferenceProcedures::readReportTexts() {
  controls_.preparedBy = settings::kEarlierPreparedBy.read(store_);
  controls_.companyInformation = settings::kEarlierCompanyInformation.read(store_);
  if (!FeatureOff(model::NoCompanyLogo)) {
    values_.companyLogoFile = settings::kCompanyLogoFile.read(store_);
    controls_.companyLogoFile = values_.companyLogoFile;
  }
}

void PreferenceProcedures::readUserTexts() {
  controls_.preparedBy = settings::kPreparedBy.read(store_);
  controls_.companyInformation = settings::kCompanyInformation.read(store_);
}

void PreferenceProcedures::readCustomCurrency() {
  const std::string stored = settings::kCustomCurrency.read(store_);
  values_.customCurrency = text::utf8Prefix(stored, kCustomCurrencyLength);
  controls_.customCurrency = stored;
}

void PreferenceProcedures::readStartupFlags(Load load) {
  values_.customerBlock = settings::kCustomerBlock.read(store_, load);
  values_.introductionScreen = settings::kIntroductionScreen.read(store_, load);
  if (!FeatureOff(model::NoCumulativePayback)) {
    project_.Set_CumulativePayback(settings::kCumulativePayback.read(store_, load) ? 1 : 0);
  }
  values_.automaticPowerUnit = settings::kAutomaticPowerUnit.read(store_, load);
  if (!FeatureOff(model::NoUpdateCheck)) {
    values_.autoUpdateCheck = settings::kAutoUpdateCheck.read(store_, load);
  }
}

void PreferenceProcedures::tickStartupFlags() {
  controls_.customerBlock = values_.customerBlock;
  controls_.introductionScreen = values_.introductionScreen;
  controls_.cumulativePayback = project_.CumulativePayback() != 0;
  controls_.automaticPowerUnit = values_.automaticPowerUnit;
  controls_.checkForUpdates = values_.autoUpdateCheck;
}

void PreferenceProcedures::readUnits(Load load) {
  const bool kw = settings::kPowerInKw.read(store_, load);
  controls_.powerKw = kw;
  project_.Set_PowerInKw(kw ? 1 : 0);
  const bool metric = settings::kMetricUnits.read(store_, load);
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
  for (size_t i = 0; i < settings::kCustomTitles.size(); ++i) {
    const std::string title =
        text::utf8Prefix(settings::kCustomTitles[i].read(store_), kTitleLength);
    values_.customTitles[i] = title;
    controls_.customTitles[i] = title;
  }
  readReportTexts();

  readStartupFlags(Load::Startup);
  tickStartupFlags();
  readUserTexts();
  readCo2Factors();
  readUnits(Load::Startup);

  controls_.currencyButton = -1;
  const long long mode = settings::kCurrencyMode.read(store_);
  if (mode < 0 || mode > 3) {
    settings::kCurrencyMode.write(store_, settings::kCurrencyMode.fallback);
    controls_.currencyButton = 1;
    values_.currencySymbol = kDollar;
  } else {
    Apply_Currency_Mode(static_cast<int>(mode));
  }

  controls_.fuelButton = -1;
  project_.Set_Co2Source(static_cast<int>(settings::kCo2Source.read(store_)));
  const int source = project_.Co2Source();
  controls_.fuelButton = source >= 1 && source <= 3 ? source : 0;
  values_.co2Description = settings::kCo2Description.read(store_);
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
  readStartupFlags(Load::Reload);
  readUserTexts();
  readCo2Factors();
  readUnits(Load::Reload);

  controls_.currencyButton = 1;
  values_.currencySymbol = kDollar;
  const long long mode = settings::kCurrencyMode.read(store_, Load::Reload);
  if (mode < 0 || mode > 3) {
    settings::kCurrencyMode.write(store_, settings::kCurrencyMode.reloadFallback);
    values_.currencyMode = 0;
  } else {
    Apply_Currency_Mode(static_cast<int>(mode));
  }
}

PreferenceProcedures::ResultInputs PreferenceProcedures::resultInputs() const {
  ResultInputs inputs;
  inputs.symbol = values_.currencySymbol;
  inputs.powerInKw = project_.PowerInKw() != 0;
  inputs.metricUnits = values_.metricUnits;
  inputs.co2Source = project_.Co2Source();
  for (size_t i = 0; i < kCo2Factors.size(); ++i) {
    inputs.co2Factors[i] = (project_.*kCo2Factors[i].get)();
  }
  inputs.curves = curvePoints();
  inputs.customTitles = values_.customTitles;
  return inputs;
}

bool PreferenceProcedures::Save_Opt() {
  const ResultInputs before = resultInputs();
  const std::string storedCurrency = settings::kCustomCurrency.stored(store_).value_or("");
  const std::string storedDescription = settings::kCo2Description.stored(store_).value_or("");

  for (model::EfficiencyType type : model::kCurveTypes) {
    curves_.Store_Efficiency(type, model::CurveOrigin::DialogTexts);
  }
  for (model::EfficiencyType type : model::kCurveTypes) {
    curves_.Apply_Efficiency(type, model::CurveSource::Dialog);
  }
  storeCustomControls();
  storeReportTexts();
  storeStartupFlags();
  storeUnits();
  storeCurrency();
  if (ListsRenamed) ListsRenamed();
  const std::array<std::optional<double>, 4> typed = storeCarbonFootprint();

  values_.customerBlock = controls_.customerBlock;
  values_.introductionScreen = controls_.introductionScreen;
  values_.automaticPowerUnit = controls_.automaticPowerUnit;
  project_.Set_CumulativePayback(controls_.cumulativePayback ? 1 : 0);
  if (!FeatureOff(model::NoUpdateCheck)) values_.autoUpdateCheck = controls_.checkForUpdates;

  for (size_t i : kCo2FileOrder) {
    if (typed[i]) (project_.*kCo2Factors[i].set)(*typed[i]);
  }
  Store_Factor_Fields();

  return resultInputs() != before || controls_.customCurrency != storedCurrency ||
         controls_.fuelDescription != storedDescription;
}

void PreferenceProcedures::storeCustomControls() {
  for (size_t i = 0; i < settings::kCustomTitles.size(); ++i) {
    values_.customTitles[i] = text::utf8Prefix(controls_.customTitles[i], kTitleLength);
    settings::kCustomTitles[i].write(store_, values_.customTitles[i]);
  }
  if (ListsRenamed) ListsRenamed();
  for (size_t i = 0; i < settings::kCustomSelected.size(); ++i) {
    settings::kCustomSelected[i].write(store_, controls_.customSelected[i]);
    values_.customSelected[i] = controls_.customSelected[i];
  }
}

void PreferenceProcedures::storeReportTexts() {
  if (!FeatureOff(model::NoCompanyLogo)) {
    settings::kCompanyLogoFile.write(store_, controls_.companyLogoFile);
    values_.companyLogoFile = controls_.companyLogoFile;
  }
  settings::kPreparedBy.write(store_, controls_.preparedBy);
  settings::kCompanyInformation.write(store_, controls_.companyInformation);
  values_.preparedBy = controls_.preparedBy;
  values_.companyInformation = controls_.companyInformation;
}

void PreferenceProcedures::storeStartupFlags() {
  settings::kCustomerBlock.write(store_, controls_.customerBlock);
  settings::kIntroductionScreen.write(store_, controls_.introductionScreen);
  if (!FeatureOff(model::NoCumulativePayback)) {
    settings::kCumulativePayback.write(store_, controls_.cumulativePayback);
  }
  settings::kAutomaticPowerUnit.write(store_, controls_.automaticPowerUnit);
  if (!FeatureOff(model::NoUpdateCheck)) {
    settings::kAutoUpdateCheck.write(store_, controls_.checkForUpdates);
  }
}

void PreferenceProcedures::storeUnits() {
  settings::kPowerInKw.write(store_, controls_.powerKw);
  project_.Set_PowerInKw(controls_.powerKw ? 1 : 0);
  settings::kMetricUnits.write(store_, controls_.metricUnits);
  values_.metricUnits = controls_.metricUnits;
  values_.weightLabel = controls_.metricUnits ? kKg : kLbs;
}

void PreferenceProcedures::storeCurrency() {
  switch (controls_.currencyButton) {
    case 0:
    case 1:
    case 2:
      values_.currencyMode = controls_.currencyButton;
      values_.currencySymbol = CurrencySymbol(controls_.currencyButton, values_.customCurrency);
      break;
    case 3:
      values_.currencyMode = 3;
      values_.currencySymbol = text::utf8Prefix(controls_.customCurrency, kSymbolLength);
      values_.customCurrency = text::utf8Prefix(controls_.customCurrency, kCustomCurrencyLength);
      break;
    default:
      values_.currencyMode = 0;
      values_.currencySymbol = kEuro;
      break;
  }
  settings::kCurrencyMode.write(store_, values_.currencyMode);
  settings::kCustomCurrency.write(store_, controls_.customCurrency);
}

std::array<std::optional<double>, 4> PreferenceProcedures::storeCarbonFootprint() {
  const int fuel =
      controls_.fuelButton >= 1 && controls_.fuelButton <= 3 ? controls_.fuelButton : 0;
  project_.Set_Co2Source(fuel);
  settings::kCo2Source.write(store_, fuel);
  settings::kCo2Description.write(store_, controls_.fuelDescription);
  values_.co2Description = controls_.fuelDescription;
  std::array<std::optional<double>, 4> typed;
  for (size_t i = 0; i < kCo2Factors.size(); ++i) {
    const std::string shown = controls_.field(std::string(kCo2Factors[i].field)).text();
    typed[i] = text::parseLocalNumber(shown, format_.decimalSeparator, format_.thousandsSeparator);
    // Stored in "." form so that the next load reads it in any locale.
    kCo2Factors[i].stored->write(store_, typed[i] ? text::formatFixed(*typed[i], 3) : shown);
  }
  return typed;
}

void PreferenceProcedures::Show_Project_Factors() {
  for (size_t i = 0; i < kCo2Factors.size(); ++i) showFactor(i, (project_.*kCo2Factors[i].get)());
}

void PreferenceProcedures::Show_Dialog() {
  readReportTexts();
  readStartupFlags(Load::Reload);
  tickStartupFlags();
  Show_Project_Factors();
  if (!FeatureOff(model::NoCompanyLogo)) controls_.companyLogoFile = values_.companyLogoFile;
  readUserTexts();
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
  while (index < kCo2Factors.size() && kCo2Factors[index].field != name) ++index;
  if (index == kCo2Factors.size()) return false;
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
  for (size_t i = 0; i < kCo2Factors.size(); ++i) {
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
  for (size_t i = 0; i < settings::kCustomTitles.size(); ++i) {
    controls_.customSelected[i] = settings::kCustomSelected[i].fallback;
    controls_.customTitles[i] = settings::kCustomTitles[i].fallback;
  }
}

void PreferenceProcedures::Reset_Carbon_Footprint() {
  // The factory factors are pounds per kWh; shown in the unit the fields show.
  const double scale = controls_.co2FieldsMetric ? kKgPerLb : 1.0;
  for (size_t i = 0; i < kCo2Factors.size(); ++i) {
    const int parameter = kCo2Factors[i].parameter;
    const double factory = text::parseNumber(catalogue_.Get_Prm_Default_Text(parameter))
                               .value_or(catalogue_.Entry(parameter)->Default);
    showFactor(i, factory * scale);
  }
}

}  // namespace korvane::preferences

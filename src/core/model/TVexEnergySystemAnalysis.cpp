#include "model/TVexEnergySystemAnalysis.h"

#include <algorithm>
#include <cmath>

#include "model/ChangeCode.h"
#include "text/NumberText.h"

namespace korvane::model {

TVexEnergySystemAnalysis::TVexEnergySystemAnalysis(int position) : position_(position) {
  if (Add_Listener(&TVexEnergySystemAnalysis::onSystemChanged, this)) {
    analysisState_ = ObjectState::Ready;
  }
}

void TVexEnergySystemAnalysis::onSystemChanged(void* data, TVexEnergySystem&, ChangeCode code) {
  if (InvalidatesResults(code)) static_cast<TVexEnergySystemAnalysis*>(data)->Discard_Results();
}

void TVexEnergySystemAnalysis::Discard_Results() {
  validity_.reset();
  if (OnChanged) OnChanged();
}

void TVexEnergySystemAnalysis::Prepare(const PreparedSettings& settings) {
  if (!Ready()) return;
  PreparedSettings wanted = settings;
  if (PresentAcrossTheLine()) wanted.curves[1] = prepared_.curves[1];
  if (analysisState_ == ObjectState::Ready && wanted == prepared_) return;

  analysisState_ = ObjectState::UnderConstruction;
  Discard_Results();
  prepared_ = settings;
  // Across the line the present case draws full power; its curve is flat.
  if (PresentAcrossTheLine()) prepared_.curves[1].fill(1.0);
  analysisState_ = ObjectState::Ready;
}

double RoundHalfAway(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  return text::parseNumber(text::formatFixed(value, decimals)).value_or(value);
}

namespace {

constexpr size_t index(Case c) {
  return static_cast<size_t>(c);
}
constexpr size_t index(PointQuantity q) {
  return static_cast<size_t>(q);
}
constexpr size_t index(CashColumn c) {
  return static_cast<size_t>(c);
}
bool validPointIndex(int point) {
  return point >= 1 && point <= kPointCount;
}
bool validRow(int row) {
  return row >= 1 && row <= kCashRowCount;
}
bool validColumn(CashColumn column) {
  return static_cast<int>(column) >= 0 && static_cast<int>(column) < kCashColumnCount;
}

}  // namespace

int TVexEnergySystemAnalysis::Annual_Hours() const {
  if (!computable()) return 0;
  if (!valid(kHours)) {
    if (HoursPerYearMode() == 1) {
      annualHours_ = HoursPerYear();
    } else {
      const long long hours =
          static_cast<long long>(HoursPerDay()) * DaysPerWeek() * WeeksPerYear();
      // A full year of 52 weeks counts as the 8760 hours of 365 days.
      annualHours_ =
          hours == 24 * 7 * 52
              ? 8760
              : static_cast<int>(std::min<long long>(hours, std::numeric_limits<int>::max()));
    }
    markValid(kHours);
  }
  return annualHours_;
}

double TVexEnergySystemAnalysis::Co2_Factor() const {
  if (!computable()) return 0;
  if (!valid(kFactor)) {
    const auto& f = prepared_.co2Factors;  // user, coal, gas, oil
    switch (prepared_.co2Source) {
      case 0:
        co2Factor_ = f[1];
        break;
      case 1:
        co2Factor_ = f[2];
        break;
      case 2:
        co2Factor_ = f[3];
        break;
      default:
        co2Factor_ = f[0];
        break;
    }
    markValid(kFactor);
  }
  return co2Factor_;
}

void TVexEnergySystemAnalysis::computeCase(Case c) const {
  CaseResults& r = cases_[index(c)];
  const bool present = c == Case::Present;
  const bool across = present && PresentAcrossTheLine() != 0;
  const double hours = Annual_Hours();
  const double factor = Co2_Factor();
  const double hp = MotorHp();
  double efficiency = MotorEfficiency() / 100.0;
  if (!present && DriveMotorEfficiency() != 0) efficiency = DriveMotorEfficiency() / 100.0;

  r.annualEnergy = 0;
  r.annualCost = 0;
  for (int j = 1; j <= kPointCount; ++j) {
    const auto k = static_cast<size_t>(j - 1);
    const int flow = across ? 100 : FlowPercent(j);
    const double time = TimePercent(j);
    const double q = flow / 100.0;
    const double cube = hp * q * q * q;

    double load = cube;
    double eta = efficiency;
    if (present) {
      const double curve = across ? 1.0 : CurveAtFlow(prepared_.curves[1], flow);
      // A curve point of 0 draws nothing rather than an infinite load.
      load = curve != 0 ? cube / curve : 0;
    } else {
      eta = efficiency * (CurveAtFlow(prepared_.curves[0], flow) / 100.0);
    }
    const double input = eta != 0 ? load * kKwPerHpAnalysis / eta : 0;
    const double pointHours = time / 100.0 * hours;
    const double energy = pointHours * input;
    // Both cases run at the same hours, so they pay the same tariff.
    const double rate = AltRateAtPoint(j) ? AlternateRate() : EnergyRate();
    const double costPerHour = RoundHalfAway(rate * input, 2);
    const double cost = pointHours * costPerHour;

    r.point[index(PointQuantity::Flow)][k] = flow;
    r.point[index(PointQuantity::Time)][k] = time;
    r.point[index(PointQuantity::Load)][k] = load;
    r.point[index(PointQuantity::Input)][k] = input;
    r.point[index(PointQuantity::Hours)][k] = pointHours;
    r.point[index(PointQuantity::Energy)][k] = energy;
    r.point[index(PointQuantity::CostPerHour)][k] = costPerHour;
    r.point[index(PointQuantity::Cost)][k] = cost;
    r.point[index(PointQuantity::Co2)][k] = energy * factor;
    r.point[index(PointQuantity::EnergySaved)][k] = 0;
    r.annualEnergy += energy;
    r.annualCost += cost;
  }
  r.annualCo2 = r.annualEnergy * factor;
}

void TVexEnergySystemAnalysis::ensurePoints() const {
  if (valid(kPoints)) return;
  computeCase(Case::Drive);
  computeCase(Case::Present);
  auto& saved = cases_[index(Case::Present)].point[index(PointQuantity::EnergySaved)];
  const auto& presentEnergy = cases_[index(Case::Present)].point[index(PointQuantity::Energy)];
  const auto& driveEnergy = cases_[index(Case::Drive)].point[index(PointQuantity::Energy)];
  for (int k = 0; k < kPointCount; ++k) saved[k] = presentEnergy[k] - driveEnergy[k];
  markValid(kPoints);
}

double TVexEnergySystemAnalysis::Point_Value(Case c, PointQuantity q, int point) const {
  if (!computable() || !validPointIndex(point)) return 0;
  if (q == PointQuantity::EnergySaved && c != Case::Present) return 0;
  ensurePoints();
  return cases_[index(c)].point[index(q)][static_cast<size_t>(point - 1)];
}

double TVexEnergySystemAnalysis::Point_Value_Qty(Case c, PointQuantity q, int point) const {
  return timesQuantity(Point_Value(c, q, point));
}

double TVexEnergySystemAnalysis::Annual_Energy(Case c) const {
  if (!computable()) return 0;
  ensurePoints();
  return cases_[index(c)].annualEnergy;
}

double TVexEnergySystemAnalysis::Annual_Cost(Case c) const {
  if (!computable()) return 0;
  ensurePoints();
  return cases_[index(c)].annualCost;
}

double TVexEnergySystemAnalysis::Annual_Co2(Case c) const {
  if (!computable()) return 0;
  ensurePoints();
  return cases_[index(c)].annualCo2;
}

void TVexEnergySystemAnalysis::ensureSavings() const {
  if (valid(kSavings)) return;
  ensurePoints();
  const CaseResults& drive = cases_[index(Case::Drive)];
  const CaseResults& present = cases_[index(Case::Present)];
  savings_.cost = present.annualCost - drive.annualCost;
  savings_.energy = present.annualEnergy - drive.annualEnergy;
  savings_.co2 = present.annualCo2 - drive.annualCo2;

  // The smallest non-negative drop in input power among the points that are
  // actually run; a system whose drive never draws less than the present
  // control reduces no demand at all.
  bool found = false;
  double reduction = 0;
  for (int k = 0; k < kPointCount; ++k) {
    if (present.point[index(PointQuantity::Time)][k] < 1) continue;
    const double d =
        present.point[index(PointQuantity::Input)][k] - drive.point[index(PointQuantity::Input)][k];
    if (d >= 0 && (!found || d < reduction)) {
      reduction = d;
      found = true;
    }
  }
  savings_.peakReduction = reduction;
  const double basis = DemandUnit() == model::DemandUnit::Kva && prepared_.powerFactor > 0
                           ? reduction / prepared_.powerFactor
                           : reduction;
  savings_.demandSavings = basis * kMonthsPerYear * DemandCharge();
  savings_.demandRebate = basis * DemandRebate();
  savings_.total = std::nearbyint(savings_.cost) + std::nearbyint(savings_.demandSavings);
  markValid(kSavings);
}

double TVexEnergySystemAnalysis::saving(double Savings::*field) const {
  if (!computable()) return 0;
  ensureSavings();
  return savings_.*field;
}

double TVexEnergySystemAnalysis::Annual_Cost_Savings() const {
  return saving(&Savings::cost);
}
double TVexEnergySystemAnalysis::Annual_Energy_Savings() const {
  return saving(&Savings::energy);
}
double TVexEnergySystemAnalysis::Annual_Co2_Savings() const {
  return saving(&Savings::co2);
}
double TVexEnergySystemAnalysis::Peak_Demand_Reduction() const {
  return saving(&Savings::peakReduction);
}
double TVexEnergySystemAnalysis::Annual_Demand_Savings() const {
  return saving(&Savings::demandSavings);
}
double TVexEnergySystemAnalysis::Demand_Rebate() const {
  return saving(&Savings::demandRebate);
}
double TVexEnergySystemAnalysis::Total_Annual_Savings() const {
  return saving(&Savings::total);
}

void TVexEnergySystemAnalysis::ensureCashFlow() const {
  if (valid(kCashFlow)) return;
  ensureSavings();
  auto column = [this](CashColumn c) -> double(&)[kCashRowCount] { return cashFlow_[index(c)]; };
  const double drive = DriveCost();
  const double install = InstallCost();
  const double utility = UtilityIncentive();
  const double perPower = IncentiveUnit() == model::IncentiveUnit::PerPowerUnit
                              ? Get_Motor_Power(prepared_.powerInKw != 0)
                              : 1.0;
  const double power = PowerIncentive() * perPower;
  const bool utilityOnce = IncentiveOneTime() == 1;
  const bool powerOnce = PowerIncentiveOneTime() == 1;
  const double oneTime = (utilityOnce ? utility : 0) + (powerOnce ? power : 0);
  const double yearly = (utilityOnce ? 0 : utility) + (powerOnce ? 0 : power);
  oneTimeIncentives_ = oneTime + savings_.demandRebate;
  yearlyIncentives_ = yearly;

  for (auto& c : cashFlow_) std::fill(std::begin(c), std::end(c), 0.0);
  column(CashColumn::DriveCost)[0] = column(CashColumn::DriveCost)[1] = drive;
  column(CashColumn::DriveCost)[6] = drive;
  column(CashColumn::InstallCost)[0] = column(CashColumn::InstallCost)[1] = install;
  column(CashColumn::InstallCost)[6] = install;
  column(CashColumn::DemandSavings)[1] = savings_.demandSavings;
  column(CashColumn::Incentives)[0] = oneTime;
  column(CashColumn::Incentives)[1] = savings_.demandRebate + oneTime + yearly;
  for (int r = 0; r <= 5; ++r) {
    column(CashColumn::TotalCost)[r] =
        column(CashColumn::DriveCost)[r] + column(CashColumn::InstallCost)[r];
    if (r >= 1) column(CashColumn::EnergySavings)[r] = savings_.cost;
    if (r >= 2) column(CashColumn::Incentives)[r] = yearly;
  }
  for (CashColumn c : {CashColumn::TotalCost, CashColumn::EnergySavings, CashColumn::DemandSavings,
                       CashColumn::Incentives}) {
    double sum = 0;
    for (int r = 1; r <= 5; ++r) sum += column(c)[r];
    column(c)[6] = sum;
  }
  double netTotal = 0;
  for (int r = 0; r <= 5; ++r) {
    column(CashColumn::TotalSavings)[r] = column(CashColumn::EnergySavings)[r] +
                                          column(CashColumn::DemandSavings)[r] +
                                          column(CashColumn::Incentives)[r];
    column(CashColumn::Net)[r] =
        column(CashColumn::TotalSavings)[r] - column(CashColumn::TotalCost)[r];
    if (r >= 1) netTotal += column(CashColumn::Net)[r];
  }
  column(CashColumn::Net)[6] = netTotal;
  if (prepared_.cumulativePayback) {
    for (int r = 2; r <= 5; ++r) column(CashColumn::Net)[r] += column(CashColumn::Net)[r - 1];
  }

  payback_ = SimplePayback(savings_.cost, column(CashColumn::TotalCost)[1], oneTimeIncentives_,
                           yearlyIncentives_);
  markValid(kCashFlow);
}

double CurveAtFlow(const std::array<double, kPointCount>& curve, int flowPercent) {
  // curve[0] is the value at 100 %, curve[9] the one at 10 %.
  if (flowPercent >= 100) return curve[0];
  if (flowPercent <= 10) return curve[kPointCount - 1];
  const int below = flowPercent / 10 * 10;
  const auto k = static_cast<size_t>((100 - below) / 10);
  return curve[k] + (curve[k - 1] - curve[k]) * (flowPercent - below) / 10.0;
}

double SimplePayback(double savings, double cost1, double oneTime, double yearly) {
  const double returns = savings + yearly;
  if (returns <= 0) return std::numeric_limits<double>::infinity();
  const double net = cost1 - oneTime;
  return net <= 0 ? 0 : net / returns;
}

double TVexEnergySystemAnalysis::Cash_Flow(Case c, CashColumn column, int row) const {
  if (!computable() || c != Case::Present || !validRow(row) || !validColumn(column)) return 0;
  ensureCashFlow();
  return cashFlow_[index(column)][row - 1];
}

double TVexEnergySystemAnalysis::Cash_Flow_Qty(Case c, CashColumn column, int row) const {
  return timesQuantity(Cash_Flow(c, column, row));
}

double TVexEnergySystemAnalysis::One_Time_Incentives() const {
  if (!computable()) return 0;
  ensureCashFlow();
  return oneTimeIncentives_;
}

double TVexEnergySystemAnalysis::Yearly_Incentives() const {
  if (!computable()) return 0;
  ensureCashFlow();
  return yearlyIncentives_;
}

double TVexEnergySystemAnalysis::Payback(Case c) const {
  if (c != Case::Present) return std::numeric_limits<double>::infinity();
  if (!computable()) return 0;
  ensureCashFlow();
  return payback_;
}

}  // namespace korvane::model

#include "model/TVexEnergyProjectAnalysis.h"

#include "model/ChangeCode.h"
#include "model/DutyProfile.h"
#include "platform/MessageSink.h"

namespace korvane::model {

namespace {
constexpr std::string_view kMaximumSystemsReached = "Maximum number of systems reached.";
constexpr int kDriveSlot = 1;
constexpr int kAcrossTheLineSlot = 7;
constexpr int kNeverUsedSlot = 2;
}  // namespace

TVexEnergyProjectAnalysis::TVexEnergyProjectAnalysis() {
  for (int i = 1; i <= kMaxSystems; ++i) {
    auto system = std::make_unique<TVexEnergySystemAnalysis>(i);
    if (system->AnalysisState() != ObjectState::Ready ||
        !system->Add_Listener(&TVexEnergyProjectAnalysis::onSystemChanged, this)) {
      state_ = ObjectState::Unusable;
      return;
    }
    system->OnChanged = [this] { Discard_Totals(); };
    systems_[static_cast<size_t>(i - 1)] = std::move(system);
  }
  state_ = ObjectState::Ready;
}

TVexEnergyProjectAnalysis::~TVexEnergyProjectAnalysis() {
  // The systems outlive nothing that points back here once they are gone.
  for (auto& system : systems_) {
    if (system) system->OnChanged = nullptr;
  }
  state_ = ObjectState::Unusable;
}

TVexEnergySystemAnalysis* TVexEnergyProjectAnalysis::Get_System(int i) const {
  if (!Ready() || i < 1 || i > kMaxSystems) return nullptr;
  return systems_[static_cast<size_t>(i - 1)].get();
}

void TVexEnergyProjectAnalysis::Set_System_Count(int count) {
  if (!Ready() || count < 0 || count > kMaxSystems) return;
  systemCount_ = count;
  Discard_Totals();
}

int TVexEnergyProjectAnalysis::Add_System(MessageSink& messages) {
  if (!Ready()) return 0;
  if (systemCount_ >= kMaxSystems) {
    messages.show(MessageKind::Error, kMaximumSystemsReached, MessageButtons::Ok);
    return 0;
  }
  ++systemCount_;
  // The place may hold an earlier system prepared under other settings.
  Prepare_System(systemCount_);
  Discard_Totals();
  return systemCount_;
}

bool TVexEnergyProjectAnalysis::Remove_System(int i) {
  if (!Ready() || i < 1 || i > systemCount_) return false;
  for (int k = i; k < systemCount_; ++k) {
    Get_System(k)->Copy_System(*Get_System(k + 1));
  }
  --systemCount_;
  Discard_Totals();
  return true;
}

void TVexEnergyProjectAnalysis::onSystemChanged(void* data, TVexEnergySystem& system,
                                                ChangeCode code) {
  if (!ChoosesCurves(code)) return;
  auto* project = static_cast<TVexEnergyProjectAnalysis*>(data);
  project->Discard_Totals();
  project->Prepare_System(static_cast<TVexEnergySystemAnalysis&>(system).Position());
}

bool TVexEnergyProjectAnalysis::Prepare_System(int i) {
  if (!Ready() || i < 1 || i > systemCount_) return false;
  TVexEnergySystemAnalysis* system = Get_System(i);
  if (!IsKnown(system->ApplicationType()) || !IsKnown(system->FlowControl())) return false;
  // The curve table counts applications from 1; the present control's curve
  // sits three slots past its flow-control number.
  const int application = ToNumber(system->ApplicationType()) + 1;
  const int flowControl = ToNumber(system->FlowControl());

  PreparedSettings settings;
  settings.co2Source = co2Source_;
  settings.co2Factors = {co2User_, co2Coal_, co2Gas_, co2Oil_};
  settings.powerFactor = powerFactor_;
  settings.cumulativePayback = cumulativePayback_;
  settings.powerInKw = powerInKw_;
  for (int p = 1; p <= kPointCount; ++p) {
    const auto k = static_cast<size_t>(p - 1);
    settings.curves[0][k] = Get_Curve(application, kDriveSlot, p);
    settings.curves[1][k] = Get_Curve(application, flowControl + 3, p);
  }
  system->Prepare(settings);
  return true;
}

bool TVexEnergyProjectAnalysis::Reprepare_All() {
  if (!Ready()) return false;
  Discard_Totals();
  for (int i = 1; i <= systemCount_; ++i) {
    if (!Prepare_System(i)) return false;
  }
  return true;
}

template <typename T>
void TVexEnergyProjectAnalysis::assignShared(T& field, T value) {
  if (!Ready() || field == value) return;
  field = value;
  Reprepare_All();
}

void TVexEnergyProjectAnalysis::Set_CumulativePayback(std::uint8_t value) {
  assignShared(cumulativePayback_, value);
}
void TVexEnergyProjectAnalysis::Set_PowerInKw(std::uint8_t value) {
  assignShared(powerInKw_, value);
}
void TVexEnergyProjectAnalysis::Set_Co2Source(std::int32_t value) {
  assignShared(co2Source_, value);
}
void TVexEnergyProjectAnalysis::Set_Co2User(double value) {
  assignShared(co2User_, value);
}
void TVexEnergyProjectAnalysis::Set_Co2Coal(double value) {
  assignShared(co2Coal_, value);
}
void TVexEnergyProjectAnalysis::Set_Co2Gas(double value) {
  assignShared(co2Gas_, value);
}
void TVexEnergyProjectAnalysis::Set_Co2Oil(double value) {
  assignShared(co2Oil_, value);
}
void TVexEnergyProjectAnalysis::Set_PowerFactor(double value) {
  if (value > 0) assignShared(powerFactor_, value);
}

bool TVexEnergyProjectAnalysis::validCurveIndex(int application, int slot, int point) {
  return application >= 1 && application <= kApplicationCount && slot >= 1 &&
         slot <= kCurveSlotCount && point >= 1 && point <= kPointCount;
}

double TVexEnergyProjectAnalysis::Get_Curve(int application, int slot, int point) const {
  if (!Ready() || !validCurveIndex(application, slot, point)) return 0;
  return curves_[application - 1][slot - 1][point - 1];
}

void TVexEnergyProjectAnalysis::Set_Curve(int application, int slot, int point, double value) {
  if (slot == kNeverUsedSlot || !validCurveIndex(application, slot, point)) return;
  assignShared(curves_[application - 1][slot - 1][point - 1], value);
}

void TVexEnergyProjectAnalysis::Copy_Curve(int toApplication, int slot, int fromApplication) {
  if (!Ready() || slot == kNeverUsedSlot || !validCurveIndex(toApplication, slot, 1) ||
      !validCurveIndex(fromApplication, slot, 1)) {
    return;
  }
  bool changed = false;
  for (int p = 0; p < kPointCount; ++p) {
    double& target = curves_[toApplication - 1][slot - 1][p];
    const double value = curves_[fromApplication - 1][slot - 1][p];
    if (target != value) {
      target = value;
      changed = true;
    }
  }
  if (changed) Reprepare_All();
}

const TVexEnergyProjectAnalysis::Totals& TVexEnergyProjectAnalysis::totals() const {
  if (validity_.any()) return totals_;
  totals_ = Totals{};
  Totals& t = totals_;
  for (int i = 1; i <= systemCount_; ++i) {
    const TVexEnergySystemAnalysis& s = *systems_[static_cast<size_t>(i - 1)];
    for (Case c : {Case::Drive, Case::Present}) {
      t.energy[static_cast<int>(c)] += s.Annual_Energy_Qty(c);
      t.co2[static_cast<int>(c)] += s.Annual_Co2_Qty(c);
    }
    t.co2Savings += s.Annual_Co2_Savings_Qty();
    t.totalSavings += s.Total_Annual_Savings_Qty();
    t.costSavings += s.Annual_Cost_Savings_Qty();
    t.energySavings += s.Annual_Energy_Savings_Qty();
    t.oneTimeIncentives += s.One_Time_Incentives_Qty();
    t.yearlyIncentives += s.Yearly_Incentives_Qty();
    for (int column = 0; column < kCashColumnCount; ++column) {
      if (static_cast<CashColumn>(column) == CashColumn::TotalSavings) continue;
      for (int row = 1; row <= kCashRowCount; ++row) {
        t.cashFlow[column][row - 1] +=
            s.Cash_Flow_Qty(Case::Present, static_cast<CashColumn>(column), row);
      }
    }
  }
  t.payback = SimplePayback(t.costSavings, t.cashFlow[static_cast<int>(CashColumn::TotalCost)][1],
                            t.oneTimeIncentives, t.yearlyIncentives);
  validity_.set();
  return totals_;
}

double TVexEnergyProjectAnalysis::Total_Annual_Energy(Case c) const {
  return Ready() ? totals().energy[static_cast<int>(c)] : 0;
}
double TVexEnergyProjectAnalysis::Total_Annual_Co2(Case c) const {
  return Ready() ? totals().co2[static_cast<int>(c)] : 0;
}
double TVexEnergyProjectAnalysis::Total_Annual_Co2_Savings() const {
  return Ready() ? totals().co2Savings : 0;
}
double TVexEnergyProjectAnalysis::Total_Annual_Savings() const {
  return Ready() ? totals().totalSavings : 0;
}
double TVexEnergyProjectAnalysis::Total_Annual_Cost_Savings() const {
  return Ready() ? totals().costSavings : 0;
}
double TVexEnergyProjectAnalysis::Total_Annual_Energy_Savings() const {
  return Ready() ? totals().energySavings : 0;
}
double TVexEnergyProjectAnalysis::Total_Cash_Flow(CashColumn column, int row) const {
  const int c = static_cast<int>(column);
  if (!Ready() || row < 1 || row > kCashRowCount || c < 0 || c >= kCashColumnCount) return 0;
  return totals().cashFlow[c][row - 1];
}
double TVexEnergyProjectAnalysis::Project_Payback() const {
  return Ready() ? totals().payback : 0;
}

void TVexEnergyProjectAnalysis::Set_New_System_Defaults(TVexEnergySystem& system) {
  system.Reset_System();
  system.Set_AutoCatalog(0);
  system.Set_BypassRequired(0);
  system.Set_Quantity(1);
  system.Set_IncentiveOneTime(1);
  system.Set_PowerIncentiveOneTime(1);
  for (int p = 1; p <= kPointCount; ++p) {
    const auto k = static_cast<size_t>(p - 1);
    system.Set_FlowPercent(p, static_cast<std::uint16_t>(kStandardDutyProfile.flowPercent[k]));
    system.Set_TimePercent(p, static_cast<std::uint16_t>(kStandardDutyProfile.timePercent[k]));
  }
}

void TVexEnergyProjectAnalysis::Set_Startup_Defaults() {
  if (!Ready()) return;
  systemCount_ = 0;
  for (auto& system : systems_) Set_New_System_Defaults(*system);
  co2Source_ = 0;
  co2User_ = 1.0;
  for (int application = 1; application <= kApplicationCount; ++application) {
    for (int p = 1; p <= kPointCount; ++p) {
      curves_[application - 1][kAcrossTheLineSlot - 1][p - 1] = 1.0;
    }
  }
  powerFactor_ = 0.98;
  cumulativePayback_ = 1;
  powerInKw_ = 0;
  Discard_Totals();
}

}  // namespace korvane::model

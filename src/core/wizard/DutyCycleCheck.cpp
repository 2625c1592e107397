#include "wizard/DutyCycleCheck.h"

#include "model/ParameterCatalogue.h"
#include "platform/MessageSink.h"

namespace korvane::wizard {

DutyCycleEntries Read_Duty_Cycle(const model::ParameterCatalogue& catalogue,
                                 const std::array<bool, model::kPointCount>& alternate) {
  DutyCycleEntries e;
  e.alternate = alternate;
  for (size_t i = 0; i < e.flow.size(); ++i) {
    const int offset = static_cast<int>(i);
    // Three-character fields hold whole numbers; anything else reads 0.
    auto whole = [&](int n) {
      const long long v = catalogue.Read_Prm_Edit_Int(n, 0);
      return v < 0 || v > 100000 ? 0 : static_cast<int>(v);
    };
    e.flow[i] = whole(model::kPrmFirstFlowPercent + offset);
    e.time[i] = whole(model::kPrmFirstTimePercent + offset);
  }
  return e;
}

DutyCycleResult Check_Duty_Cycle(const DutyCycleEntries& e, MessageSink* messages) {
  DutyCycleResult r;
  const size_t rows = e.flow.size();
  for (size_t i = 0; i < rows && !r.duplicate; ++i) {
    if (e.flow[i] <= 0) continue;
    for (size_t j = 0; j < rows; ++j) {
      if (j != i && e.flow[j] == e.flow[i] && e.alternate[j] == e.alternate[i]) {
        r.duplicate = true;
        break;
      }
    }
  }
  if (r.duplicate) {
    r.passed = false;
    r.duplicateLabel = kDuplicateLabel;
    if (messages) messages->error(kDuplicateFlow);
  }
  for (int t : e.time) r.total += t;
  r.totalLabel = std::to_string(r.total) + "%";
  r.totalRed = r.total != 100;
  if (r.totalRed) {
    // One message per check: a duplicate already said what is wrong.
    if (messages && !r.duplicate) {
      messages->error(std::string(kDutyTotalWrong) + std::to_string(r.total) + "%");
    }
    r.passed = false;
  }
  for (size_t i = 0; i < rows; ++i) {
    if (e.flow[i] > 0 && e.time[i] > 0) r.bars.push_back({e.flow[i], e.time[i]});
  }
  r.barWidthPercent = static_cast<double>(r.bars.size() + 1) * 6;
  r.barColour = r.passed ? kDutyBarColour : kDutyBarFailedColour;
  return r;
}

}  // namespace korvane::wizard

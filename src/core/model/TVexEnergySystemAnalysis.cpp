#include "model/TVexEnergySystemAnalysis.h"

#include "model/ChangeCode.h"

namespace korvane::model {

TVexEnergySystemAnalysis::TVexEnergySystemAnalysis(int position) : position_(position) {
  if (Add_Listener(&TVexEnergySystemAnalysis::onSystemChanged, this)) {
    analysisState_ = ObjectState::Ready;
  }
}

void TVexEnergySystemAnalysis::onSystemChanged(void* data, TVexEnergySystem&, int code) {
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

}  // namespace korvane::model

#pragma once

#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include "wizard/DutyCycleCheck.h"

namespace korvane::gui {

// The editor's small "Duty Cycle" bar chart: one bar per row at its flow,
// as high as its time. Its title and bars are offered as text too.
class DutyCycleChart : public QChartView {
 public:
  explicit DutyCycleChart(QWidget* parent = nullptr);
  void show(const wizard::DutyCycleResult& result);

 private:
  QValueAxis* x_ = nullptr;
  QValueAxis* y_ = nullptr;
};

}  // namespace korvane::gui

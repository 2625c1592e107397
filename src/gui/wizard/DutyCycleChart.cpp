#include "gui/wizard/DutyCycleChart.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

namespace korvane::gui {

namespace {

constexpr double kFlowStep = 10;  // one bar per step of the flow axis fills it

QChart* newChart() {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Duty Cycle"));
  chart->legend()->hide();
  chart->setMargins(QMargins(2, 2, 2, 2));
  return chart;
}

}  // namespace

// The chart is given at construction: a view made without one keeps a default
// chart that setChart() would disown and leak.
DutyCycleChart::DutyCycleChart(QWidget* parent) : QChartView(newChart(), parent) {
  setObjectName(QStringLiteral("chtStp3_EditSyst_DutyCycl"));
  setAccessibleName(QStringLiteral("Duty Cycle"));
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(240, 140);
  x_ = new QValueAxis;
  x_->setRange(0, 100);
  x_->setTickCount(11);
  x_->setLabelFormat(QStringLiteral("%d"));
  x_->setTitleText(QStringLiteral("Flow (%)"));
  y_ = new QValueAxis;
  y_->setRange(0, 100);
  y_->setTickCount(5);
  y_->setLabelFormat(QStringLiteral("%d"));
  y_->setTitleText(QStringLiteral("Time (%)"));
  chart()->addAxis(x_, Qt::AlignBottom);
  chart()->addAxis(y_, Qt::AlignLeft);
}

void DutyCycleChart::show(const wizard::DutyCycleResult& result) {
  QChart* c = chart();
  c->removeAllSeries();
  const QColor colour(result.barColour.red, result.barColour.green, result.barColour.blue);
  const double width = kFlowStep * result.barWidthPercent / 100.0;
  QStringList spoken;
  for (const wizard::DutyBar& bar : result.bars) {
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    upper->append(bar.flow - width / 2, bar.time);
    upper->append(bar.flow + width / 2, bar.time);
    lower->append(bar.flow - width / 2, 0);
    lower->append(bar.flow + width / 2, 0);
    auto* area = new QAreaSeries(upper, lower);
    // The area does not own its edges; removing the area must free them too.
    upper->setParent(area);
    lower->setParent(area);
    area->setColor(colour);
    area->setBorderColor(colour.darker(130));
    c->addSeries(area);
    area->attachAxis(x_);
    area->attachAxis(y_);
    spoken << QStringLiteral("flow %1 %, time %2 %").arg(bar.flow).arg(bar.time);
  }
  setAccessibleDescription(spoken.join(QStringLiteral("; ")));
}

}  // namespace korvane::gui

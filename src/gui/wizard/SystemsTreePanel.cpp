#include "gui/wizard/SystemsTreePanel.h"

#include <QApplication>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/wizard/DutyCycleChart.h"
#include "gui/wizard/FieldWidgets.h"
#include "model/ResultSlots.h"
#include "session/EstimatorSession.h"
#include "wizard/EstimationWizard.h"
#include "wizard/ResultLabels.h"

namespace korvane::gui {

namespace {

using wizard::LabelGroup;
using wizard::LabelPage;
using wizard::MainSystemDataRows;
using wizard::OverviewTab;
using wizard::ResultLabel;
using wizard::TreeNode;

constexpr std::string_view kCounterCaption = "Number of systems currently defined in this project:";
constexpr std::string_view kNavigationTab = "Navigation: ";
constexpr std::string_view kMainDataTab = "Main System Data: ";
constexpr std::string_view kDutyDataTab = "Duty Cycle Data: ";
constexpr std::string_view kDutyCycleGroup = "Duty Cycle:";
constexpr std::array<std::string_view, 3> kDutyColumns = {"Rate", "Flow (%)", "Time (%)"};

// The navigation tab's text, top to bottom; headings are marked.
struct HelpLine {
  std::string_view text;
  bool heading;
};
constexpr std::array kNavigationHelp{
    HelpLine{"Navigation Help:", true},
    HelpLine{"How to add a system to the current project:", true},
    HelpLine{"Click on the 'Add System' button.", false},
    HelpLine{"Use the alternate mouse button to click on any of the project categories and then "
             "select 'Add System'.",
             false},
    HelpLine{"How to modifiy an existing system:", true},
    HelpLine{"Select a system and then click on the 'Edit System' button.", false},
    HelpLine{"Use the alternate mouse button on any of the defined systems and then select 'Edit "
             "System'.",
             false},
    HelpLine{"How to remove a system from your project:", true},
    HelpLine{"Select a system and then click on the 'Remove System' button.", false},
    HelpLine{"Use the alternate mouse button on any of the defined systems and then select "
             "'Remove System'.",
             false},
    HelpLine{"How to modifiy the name of an existing system:", true},
    HelpLine{"Select a system and then click on the 'Edit System' button and change 'Name'.",
             false},
    HelpLine{"How to change the project name:", true},
    HelpLine{"Go to Step 1 and change 'Project'.", false},
};

// Main-system-data rows that come and go with the selected system, by slot.
struct RowRule {
  model::ResultSlot slot;
  bool MainSystemDataRows::*shown;
};
constexpr std::array kRowRules{
    RowRule{model::ResultSlot::SystemType, &MainSystemDataRows::type},
    RowRule{model::ResultSlot::FlowControl, &MainSystemDataRows::flowControl},
    RowRule{model::ResultSlot::MinimumHead, &MainSystemDataRows::minimumHead},
    RowRule{model::ResultSlot::DriveMotorEfficiency, &MainSystemDataRows::driveMotorEfficiency},
    RowRule{model::ResultSlot::Voltage, &MainSystemDataRows::voltage},
    RowRule{model::ResultSlot::MotorFla, &MainSystemDataRows::fla},
    RowRule{model::ResultSlot::UtilityIncentive, &MainSystemDataRows::utilityRebate},
    RowRule{model::ResultSlot::Quantity, &MainSystemDataRows::systemCount},
    RowRule{model::ResultSlot::DaysPerWeek, &MainSystemDataRows::daysPerWeek},
    RowRule{model::ResultSlot::WeeksPerYear, &MainSystemDataRows::weeksPerYear},
};

// The groups of the main system data: left column, then right column.
constexpr std::array kLeftGroups = {LabelGroup::SystemData, LabelGroup::MotorData,
                                    LabelGroup::DriveData};
constexpr std::array kRightGroups = {LabelGroup::HoursOfOperation, LabelGroup::Incentive};

// True for a slot line whose text captions another value of the page.
bool isCaptionLine(const ResultLabel& line) {
  if (line.role != wizard::LabelRole::Text) return false;
  for (const ResultLabel& other : wizard::ResultLabels()) {
    if (other.page == line.page && other.captionSlot == line.slot) return true;
  }
  return false;
}

QIcon treeIcon(int index) {
  QStyle* style = QApplication::style();
  switch (index) {
    case wizard::kIconProject:
      return style->standardIcon(QStyle::SP_DirHomeIcon);
    case wizard::kIconSystem:
      return style->standardIcon(QStyle::SP_FileIcon);
    default:
      return style->standardIcon(QStyle::SP_DirIcon);
  }
}

QPushButton* button(const QString& caption, const char* name, const QString& hint,
                    QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setToolTip(hint);
  return b;
}

}  // namespace

SystemsTreeWidget::SystemsTreeWidget(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("tvwSystems"));
  setAccessibleName(QStringLiteral("Systems"));
  setHeaderHidden(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!showing_ && item && Selected) Selected(nodeOf(item));
  });
  // The root stays open; categories may close.
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    if (!wizard::TVexTreeView::Allow_Collapse(nodeOf(item))) expandItem(item);
  });
}

TreeNode* SystemsTreeWidget::nodeOf(const QTreeWidgetItem* item) const {
  const auto it = nodes_.find(item);
  return it == nodes_.end() ? nullptr : it->second;
}

QTreeWidgetItem* SystemsTreeWidget::addItem(TreeNode& node, QTreeWidgetItem* parent) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
  item->setText(0, qtext(node.item.text));
  item->setIcon(0, treeIcon(node.item.imageIndex));
  nodes_[item] = &node;
  for (const auto& child : node.children) addItem(*child, item);
  item->setExpanded(node.expanded || !parent);
  return item;
}

void SystemsTreeWidget::show(const wizard::TreeModel& model, bool force) {
  if (!force && model.Revision() == shownRevision_) return;
  shownRevision_ = model.Revision();
  showing_ = true;
  clear();
  nodes_.clear();
  if (TreeNode* root = model.Root()) addItem(*root, nullptr);
  for (QTreeWidgetItemIterator it(this); *it; ++it) {
    if (nodeOf(*it) == model.Selected()) setCurrentItem(*it);
  }
  showing_ = false;
}

void SystemsTreeWidget::mousePressEvent(QMouseEvent* event) {
  // The alternate button opens the menu for the current system; it does not select.
  if (event->button() == Qt::RightButton) {
    emit customContextMenuRequested(event->position().toPoint());
    return;
  }
  QTreeWidget::mousePressEvent(event);
}

void SystemsTreeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) && DoubleClicked) {
    DoubleClicked();
  }
}

void SystemsTreeWidget::startDrag(Qt::DropActions actions) {
  dragSource_ = nodeOf(currentItem());
  if (!DragStarts || !DragStarts(dragSource_)) {
    dragSource_ = nullptr;
    return;
  }
  QTreeWidget::startDrag(actions);
}

void SystemsTreeWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (event->source() == this && dragSource_) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void SystemsTreeWidget::dragMoveEvent(QDragMoveEvent* event) {
  const TreeNode* target = nodeOf(itemAt(event->position().toPoint()));
  if (event->source() == this && target && DragOver && DragOver(target)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void SystemsTreeWidget::dropEvent(QDropEvent* event) {
  const TreeNode* target = nodeOf(itemAt(event->position().toPoint()));
  const TreeNode* source = dragSource_;
  dragSource_ = nullptr;
  // The core moves the node; Qt's own move would leave the two out of step.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (source && target && Dropped) Dropped(source, target);
}

SystemsTreePanel::SystemsTreePanel(EstimatorSession& session, wizard::EstimationWizard& wizard,
                                   QWidget* parent)
    : QWidget(parent), session_(session), wizard_(wizard) {
  setObjectName(QStringLiteral("pnlStp3_ProjMgmt"));
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 2);
  auto* counterLine = new QHBoxLayout;
  auto* counterCaption = new QLabel(qtext(kCounterCaption), this);
  counterCaption->setWordWrap(true);
  counter_ = new QLabel(this);
  counter_->setObjectName(QStringLiteral("lblStp3_ProjMgmt_SystCntr"));
  counter_->setAccessibleName(QStringLiteral("Number of systems"));
  counterLine->addWidget(counterCaption, 1);
  counterLine->addWidget(counter_);
  left->addLayout(counterLine);

  tree_ = new SystemsTreeWidget(this);
  left->addWidget(tree_, 1);
  left->addWidget(buildButtons());

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("pgcStp3_ProjMgmt"));
  navigationTab_ = buildNavigationTab();
  mainTab_ = buildMainDataTab();
  dutyTab_ = new QWidget(tabs_);
  auto* dutyLayout = new QVBoxLayout(dutyTab_);
  dutyChart_ = new DutyCycleChart(dutyTab_);
  dutyChart_->setObjectName(QStringLiteral("chtStp3_ProjMgmt_DutyCycl"));
  dutyLayout->addWidget(dutyChart_);
  categoryTab_ = buildCategoryTab();
  tabs_->addTab(navigationTab_, qtext(kNavigationTab));
  tabs_->addTab(mainTab_, qtext(kMainDataTab));
  tabs_->addTab(dutyTab_, qtext(kDutyDataTab));
  tabs_->addTab(categoryTab_, QString());
  columns->addWidget(tabs_, 3);

  tree_->Selected = [this](TreeNode* node) {
    wizard_.Tree_Selection_Changed(node);
    load();
  };
  tree_->DoubleClicked = [this] {
    act([this] { wizard_.Edit_System(wizard::EditTrigger::DoubleClick); });
  };
  tree_->DragStarts = [this](const TreeNode* node) {
    return wizard_.systems.View().Begin_Drag(node);
  };
  tree_->DragOver = [this](const TreeNode* node) {
    return wizard_.systems.View().Drag_Over(node, true);
  };
  tree_->Dropped = [this](const TreeNode* source, const TreeNode* target) {
    act([this, source, target] { wizard_.Drop_System(source, target); });
  };
  connect(tree_, &QWidget::customContextMenuRequested, this, &SystemsTreePanel::showContextMenu);
}

void SystemsTreePanel::act(const std::function<void()>& operation) {
  operation();
  if (Changed) Changed();
}

QWidget* SystemsTreePanel::buildButtons() {
  auto* bar = new QWidget(this);
  auto* grid = new QGridLayout(bar);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* add = button(QStringLiteral("&Add System"), "bibStp3_ProjMgmt_AddSyst",
                     QStringLiteral("Add a new system to the active project"), bar);
  auto* edit = button(QStringLiteral("&Edit System"), "bibStp3_ProjMgmt_EditSyst",
                      QStringLiteral("Edit system"), bar);
  auto* remove = button(QStringLiteral("&Remove System"), "bibStp3_ProjMgmt_RemvSyst",
                        QStringLiteral("Remove a system from the active project"), bar);
  auto* calculate = button(QStringLiteral("&System Calculation"), "bibStp3_ProjMgmt_SystCalc",
                           QStringLiteral("Show system calculations"), bar);
  grid->addWidget(add, 0, 0);
  grid->addWidget(edit, 0, 1);
  grid->addWidget(remove, 1, 0);
  grid->addWidget(calculate, 1, 1);
  connect(add, &QPushButton::clicked, this,
          [this] { act([this] { wizard_.Add_System_Clicked(); }); });
  connect(edit, &QPushButton::clicked, this,
          [this] { act([this] { wizard_.Edit_System(wizard::EditTrigger::Button); }); });
  connect(remove, &QPushButton::clicked, this,
          [this] { act([this] { wizard_.Remove_System(); }); });
  connect(calculate, &QPushButton::clicked, this,
          [this] { act([this] { wizard_.System_Calculation(); }); });
  return bar;
}

void SystemsTreePanel::showContextMenu(const QPoint& at) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("mnuStp3_ProjMgmt"));
  menu.addAction(QStringLiteral("&Add System"), this,
                 [this] { act([this] { wizard_.Add_System_Clicked(); }); });
  menu.addAction(QStringLiteral("&Edit System"), this,
                 [this] { act([this] { wizard_.Edit_System(wizard::EditTrigger::Button); }); });
  menu.addAction(QStringLiteral("System Calculation"), this,
                 [this] { act([this] { wizard_.System_Calculation(); }); });
  menu.addSeparator();
  menu.addAction(QStringLiteral("Remove System"), this,
                 [this] { act([this] { wizard_.Remove_System(); }); });
  menu.exec(tree_->viewport()->mapToGlobal(at));
}

QWidget* SystemsTreePanel::buildNavigationTab() {
  auto* tab = new QWidget(this);
  auto* column = new QVBoxLayout(tab);
  for (const HelpLine& line : kNavigationHelp) {
    auto* label = new QLabel(qtext(line.text), tab);
    label->setWordWrap(true);
    if (line.heading) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    } else {
      label->setIndent(16);
    }
    column->addWidget(label);
  }
  auto* customer =
      button(QStringLiteral("Customer Information"), "bibStp3_ProjMgmt_CustInfo", QString(), tab);
  connect(customer, &QPushButton::clicked, this, [this] {
    if (ShowCustomerStep) ShowCustomerStep();
  });
  column->addWidget(customer, 0, Qt::AlignLeft);
  column->addStretch();
  return tab;
}

void SystemsTreePanel::addLabel(const ResultLabel& label, QGridLayout* grid, int row,
                                QWidget* parent) {
  auto* value = new ResultValueLabel(parent);
  value->setObjectName(qtext(label.name));
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  wizard_.labels.Attach(label.slot, *value);
  labels_.push_back(value);
  QWidget* caption = nullptr;
  if (label.role == wizard::LabelRole::Value) {
    value->setAccessibleName(qtext(wizard::AccessibleName(label)));
    if (!label.captionSlot) {
      caption = new QLabel(qtext(label.caption), parent);
      grid->addWidget(caption, row, 0);
    }
    grid->addWidget(value, row, 1);
  } else if (isCaptionLine(label)) {
    grid->addWidget(value, row, 0);
  } else {
    grid->addWidget(value, row, 0, 1, 2);
  }
  // A line whose text is the caption of the next value stands in its place.
  if (label.captionSlot) {
    for (const MainRow& r : mainRows_) {
      if (r.slot == label.captionSlot) caption = r.value;
    }
  }
  mainRows_.push_back({label.slot, caption, value});
}

QWidget* SystemsTreePanel::buildMainDataTab() {
  auto* tab = new QWidget(this);
  auto* columns = new QHBoxLayout(tab);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto group = [&](LabelGroup g, QVBoxLayout* column) {
    auto* box = new QGroupBox(qtext(wizard::GroupText(g).caption), tab);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const ResultLabel& label : wizard::ResultLabels()) {
      if (label.page != LabelPage::SystemTab || label.group != g) continue;
      if (model::SwitchedOff(label.hiddenBy)) continue;
      addLabel(label, grid, row, box);
      // A line that captions the next value shares its row.
      if (!isCaptionLine(label)) ++row;
    }
    column->addWidget(box);
  };
  for (LabelGroup g : kLeftGroups) group(g, left);
  left->addStretch();

  auto* duty = new QGroupBox(qtext(kDutyCycleGroup), tab);
  auto* grid = new QGridLayout(duty);
  grid->setVerticalSpacing(1);
  for (size_t c = 0; c < kDutyColumns.size(); ++c) {
    auto* heading = new QLabel(qtext(kDutyColumns[c]), duty);
    if (c == 0) rateHeading_ = heading;
    grid->addWidget(heading, 0, static_cast<int>(c) + 1);
  }
  for (int p = 1; p <= model::kPointCount; ++p) {
    std::array<QLabel*, 4> cells{};
    cells[0] = new QLabel(QStringLiteral("%1.").arg(p, 2, 10, QLatin1Char('0')), duty);
    for (size_t c = 0; c < cells.size(); ++c) {
      if (c > 0) cells[c] = new QLabel(duty);
      grid->addWidget(cells[c], p, static_cast<int>(c));
    }
    cells[2]->setAccessibleName(QStringLiteral("Flow % %1").arg(p));
    cells[3]->setAccessibleName(QStringLiteral("Time % %1").arg(p));
    cells[1]->setAccessibleName(QStringLiteral("Rate %1").arg(p));
    dutyRows_.push_back(cells);
  }
  right->addWidget(duty);
  for (LabelGroup g : kRightGroups) group(g, right);
  right->addStretch();
  return tab;
}

QWidget* SystemsTreePanel::buildCategoryTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  int row = 0;
  for (const ResultLabel& label : wizard::ResultLabels()) {
    if (label.page == LabelPage::CategoryTab) addLabel(label, grid, row++, tab);
  }
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(2, 1);
  return tab;
}

void SystemsTreePanel::showCounter(const QString& count) {
  counter_->setText(count);
  counter_->setAccessibleDescription(count);
}

void SystemsTreePanel::showTabs() {
  const wizard::OverviewTabs& tabs = wizard_.systems.Tabs();
  auto widgetOf = [this](OverviewTab tab) {
    switch (tab) {
      case OverviewTab::Navigation:
        return navigationTab_;
      case OverviewTab::MainSystemData:
        return mainTab_;
      case OverviewTab::DutyCycleData:
        return dutyTab_;
      case OverviewTab::Category:
        break;
    }
    return categoryTab_;
  };
  tabs_->setTabText(tabs_->indexOf(categoryTab_), qtext(tabs.categoryCaption));
  for (OverviewTab tab : {OverviewTab::Navigation, OverviewTab::MainSystemData,
                          OverviewTab::DutyCycleData, OverviewTab::Category}) {
    const bool visible =
        std::find(tabs.visible.begin(), tabs.visible.end(), tab) != tabs.visible.end();
    tabs_->setTabVisible(tabs_->indexOf(widgetOf(tab)), visible);
  }
  tabs_->setCurrentWidget(widgetOf(tabs.active));
}

void SystemsTreePanel::showMainRows() {
  const MainSystemDataRows& rows = wizard_.Main_Rows();
  for (const MainRow& row : mainRows_) {
    for (const RowRule& rule : kRowRules) {
      if (rule.slot != row.slot) continue;
      const bool shown = rows.*rule.shown;
      row.value->setVisible(shown);
      if (row.caption) row.caption->setVisible(shown);
    }
  }
  // A value captioned by another slot's text is named by that text.
  for (const ResultLabel& label : wizard::ResultLabels()) {
    if (label.page != LabelPage::SystemTab || !label.captionSlot) continue;
    for (const MainRow& row : mainRows_) {
      if (row.slot != label.slot || !row.caption) continue;
      const auto* caption = static_cast<QLabel*>(row.caption);
      row.value->setAccessibleName(
          qtext(wizard::AccessibleName(label, caption->text().toStdString())));
    }
  }
}

void SystemsTreePanel::showDutyRows() {
  const int current = wizard_.wizard.CurrentSystem;
  if (current < 1 || current > session_.model.project.SystemCount()) return;
  const model::TVexEnergySystem* system = session_.model.project.Get_System(current);
  if (!system) return;
  const auto rows = model::System_Duty_Rows(session_.model.project, current);
  wizard::DutyCycleEntries entries;
  const bool rateColumn = wizard_.Main_Rows().rateColumn;
  rateHeading_->setVisible(rateColumn);
  for (size_t p = 0; p < rows.size(); ++p) {
    const std::array<QString, 3> texts = {qtext(rows[p].rate), qtext(rows[p].flow),
                                          qtext(rows[p].time)};
    for (size_t c = 0; c < texts.size(); ++c) {
      dutyRows_[p][c + 1]->setText(texts[c]);
      dutyRows_[p][c + 1]->setAccessibleDescription(texts[c]);
    }
    dutyRows_[p][1]->setVisible(rateColumn);
    entries.flow[p] = texts[1].toInt();
    entries.time[p] = texts[2].toInt();
    entries.alternate[p] = system->AltRateAtPoint(static_cast<int>(p) + 1) != 0;
  }
  dutyChart_->show(wizard::Check_Duty_Cycle(entries, nullptr));
}

void SystemsTreePanel::load(bool forceTree) {
  tree_->show(wizard_.systems.Tree(), forceTree);
  showTabs();
  showMainRows();
  showDutyRows();
}

}  // namespace korvane::gui

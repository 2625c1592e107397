#include "wizard/SystemsTree.h"

#include <cstdio>

#include "model/FeatureSwitches.h"
#include "model/ResultSlots.h"
#include "platform/MessageSink.h"
#include "projectfile/ProjectHeader.h"
#include "shell/RunState.h"

namespace korvane::wizard {

namespace {

using model::FeatureOff;

constexpr int kCoolingTower = 2;

struct TypeCategory {
  int bit;
  int icon;
};
constexpr std::array<TypeCategory, model::kApplicationCount> kTypeCategories{{
    {model::NoFan, kIconFans},
    {model::NoPump, kIconPumps},
    {model::NoCoolingTower, kIconTowers},
}};

}  // namespace

MainSystemDataRows Main_System_Data_Rows(const model::TVexEnergySystem& s) {
  MainSystemDataRows rows;
  const int type = s.ApplicationType();
  rows.type = !FeatureOff(model::HideApplicationType);
  rows.flowControl = !FeatureOff(model::NoFlowControlType) && type != kCoolingTower;
  rows.minimumHead = !FeatureOff(model::NoMinimumHead) && type == 1;
  rows.driveMotorEfficiency = !FeatureOff(model::NoDriveMotorEfficiency);
  rows.voltage = !FeatureOff(model::NoVoltage);
  rows.fla = !FeatureOff(model::NoFla);
  rows.utilityRebate = !FeatureOff(model::NoDemandRebate);
  rows.systemCount = !FeatureOff(model::NoSystemCount);
  rows.daysPerWeek = s.HoursPerYearMode() != 1;
  rows.weeksPerYear = rows.daysPerWeek;
  rows.rateColumn = !FeatureOff(model::NoAlternateRate);
  return rows;
}

SystemsTree::SystemsTree(model::TVexEnergyProjectAnalysis& project,
                         const projectfile::ProjectHeader& header, const shell::RunState& state,
                         WizardState& wizard, MessageSink& messages)
    : project_(project), header_(header), state_(state), wizard_(wizard), messages_(messages) {}

int SystemsTree::Category_Of_Type(int applicationType) const {
  if (applicationType < 0 || applicationType >= model::kApplicationCount) return -1;
  return categoryOfType_[static_cast<size_t>(applicationType)];
}

std::string SystemsTree::Root_Caption() const {
  return header_.projectName.empty() ? std::string(kNoNameProject) : header_.projectName;
}

std::string SystemsTree::System_Node_Text(const model::TVexEnergySystem& system, int index) {
  if (!system.Identification().empty()) return system.Identification();
  char number[16];
  std::snprintf(number, sizeof number, "%.3d", index);
  return std::string(kNoNameSystem) + number;
}

TVexTreeViewSettings SystemsTree::settings(bool withTypes) const {
  TVexTreeViewSettings s;
  s.imageIndex = kIconProject;
  s.selectedImageIndex = kIconProject;
  s.rootCaption = Root_Caption();
  if (!withTypes) {
    s.categories.push_back({kIconFans, kIconFans, std::string(kNoSystemsCategory)});
    return s;
  }
  for (int type = 0; type < model::kApplicationCount; ++type) {
    const TypeCategory& c = kTypeCategories[static_cast<size_t>(type)];
    if (FeatureOff(c.bit)) continue;
    s.categories.push_back({c.icon, c.icon, model::GetApplicationName(type) + " Systems"});
  }
  return s;
}

void SystemsTree::Rebuild(bool populate) {
  const int count = project_.SystemCount();
  const bool withTypes = state_.ProjectType == 0 || count >= 1;
  categoryOfType_ = {-1, -1, -1};
  if (withTypes) {
    int position = 0;
    for (int type = 0; type < model::kApplicationCount; ++type) {
      if (!FeatureOff(kTypeCategories[static_cast<size_t>(type)].bit)) {
        categoryOfType_[static_cast<size_t>(type)] = position++;
      }
    }
  }
  view_ = TVexTreeView(&tree_);
  view_.Create(settings(withTypes));
  if (!populate) return;
  wizard_.CurrentSystem = count > 0 ? count : -1;
  for (int i = 1; i <= count; ++i) Add_System_Node(i);
}

void SystemsTree::Add_System_Node(int index) {
  const model::TVexEnergySystem* system = project_.Get_System(index);
  if (!system) return;
  TVexTreeNode node;
  node.category = Category_Of_Type(system->ApplicationType());
  if (node.category < 0) return;
  node.data = system;
  node.imageIndex = kIconSystem;
  node.selectedImageIndex = kIconSystem;
  node.selected = index == wizard_.CurrentSystem;
  node.text = System_Node_Text(*system, index);
  view_.Add_Node(node);
}

void SystemsTree::Update_System_Node(int index) {
  const model::TVexEnergySystem* system = project_.Get_System(index);
  if (!system || !view_.Find_By_Data(system)) return;
  TVexTreeNode node;
  node.category = Category_Of_Type(system->ApplicationType());
  node.data = system;
  node.imageIndex = kIconSystem;
  node.selectedImageIndex = kIconSystem;
  node.selected = true;
  node.text = System_Node_Text(*system, index);
  // A system whose type has no category keeps its old node.
  if (node.category >= 0) view_.Update_Found_Node(node);
}

void SystemsTree::Update_Root() {
  view_.Update_Root(settings(true));
}

int SystemsTree::indexOf(const model::TVexEnergySystem* system) const {
  for (int i = 1; i <= project_.SystemCount(); ++i) {
    if (project_.Get_System(i) == system) return i;
  }
  return -1;
}

OverviewTabs SystemsTree::Refresh() {
  wizard_.CurrentSystem = -1;
  TVexTreeNode selected;
  if (!view_.Selected_Node(selected)) return tabs_;
  const bool dutyWasActive = tabs_.active == OverviewTab::DutyCycleData;
  OverviewTabs tabs;
  if (selected.category < 0) {
    // The root: the navigation help only.
  } else if (selected.data) {
    tabs.visible = {OverviewTab::MainSystemData, OverviewTab::DutyCycleData};
    tabs.active = dutyWasActive ? OverviewTab::DutyCycleData : OverviewTab::MainSystemData;
    wizard_.CurrentSystem = indexOf(selected.data);
    tabs.applicationType = selected.data->ApplicationType();
  } else if (project_.SystemCount() > 0) {
    int type = -1;
    for (int t = 0; t < model::kApplicationCount; ++t) {
      if (Category_Of_Type(t) == selected.category) type = t;
    }
    tabs.visible = {OverviewTab::Category};
    tabs.active = OverviewTab::Category;
    tabs.categoryCaption = model::GetApplicationName(type) + " Systems:";
    tabs.applicationType = type;
  }
  tabs_ = tabs;
  return tabs_;
}

EditAction SystemsTree::Edit_System(EditTrigger trigger) {
  if (project_.SystemCount() == 0) {
    const MessageAnswer answer =
        messages_.show(MessageKind::Confirmation, kNoSystemsAddOne, MessageButtons::YesNoAbort);
    return answer == MessageAnswer::Yes ? EditAction::AddNew : EditAction::None;
  }
  if (wizard_.CurrentSystem < 1) {
    // A double-click on the root or a category just opens or folds it.
    if (trigger == EditTrigger::Button) messages_.information(kNoSystemSelected);
    return EditAction::None;
  }
  return EditAction::EditCurrent;
}

bool SystemsTree::Has_Current_System() {
  if (wizard_.CurrentSystem >= 1 && wizard_.CurrentSystem <= project_.SystemCount()) return true;
  messages_.information(kNoSystemSelected);
  return false;
}

bool SystemsTree::Remove_System() {
  const int count = project_.SystemCount();
  if (count == 0) {
    messages_.information(kNoSystemsDefined);
    return false;
  }
  const int current = wizard_.CurrentSystem;
  if (current < 1 || current > count) {
    messages_.information(kNoSystemSelected);
    return false;
  }
  if (messages_.show(MessageKind::Confirmation, kDeleteSystem, MessageButtons::YesNo) !=
      MessageAnswer::Yes) {
    return false;
  }
  if (view_.Find_By_Data(project_.Get_System(current))) view_.Delete_Found_Node();
  project_.Remove_System(current);
  // The systems after it moved down one place: their nodes follow them and
  // keep their place and text.
  for (int b = current + 1; b <= count; ++b) {
    if (!view_.Find_By_Data(project_.Get_System(b))) continue;
    TVexTreeNode node;
    const TreeNode* n = view_.Found();
    node.category = Category_Of_Type(project_.Get_System(b - 1)->ApplicationType());
    node.data = project_.Get_System(b - 1);
    node.imageIndex = n->item.imageIndex;
    node.selectedImageIndex = n->item.selectedImageIndex;
    node.selected = tree_.Selected() == n;
    node.text = n->item.text;
    view_.Update_Found_Node(node);
  }
  wizard_.CurrentSystem = -1;
  if (project_.SystemCount() == 0) Rebuild(false);
  return true;
}

bool SystemsTree::Drop(const TreeNode* source, const TreeNode* target) {
  return view_.Begin_Drag(source) && view_.Drop(target);
}

std::vector<int> SystemsTree::ReportSystemOrder() {
  std::vector<int> order;
  if (state_.ProjectType != 1) {
    order.push_back(1);
    return order;
  }
  TVexTreeNode node;
  for (bool more = view_.First(node); more; more = view_.Next(node)) {
    const int index = indexOf(node.data);
    if (index > 0) order.push_back(index);
  }
  return order;
}

}  // namespace korvane::wizard

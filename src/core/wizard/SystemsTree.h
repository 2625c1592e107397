#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/TVexEnergyProjectAnalysis.h"
#include "wizard/TVexTreeView.h"
#include "wizard/TreeModel.h"
#include "wizard/WizardState.h"

namespace korvane {
class MessageSink;
}
namespace korvane::projectfile {
struct ProjectHeader;
}
namespace korvane::shell {
struct RunState;
}

namespace korvane::wizard {

inline constexpr std::string_view kNoSystemsAddOne =
    "This project does not contain any systems, would you like to add a system to the active "
    "project?";
inline constexpr std::string_view kNoSystemsDefined = "No systems have been defined";
inline constexpr std::string_view kNoSystemSelected =
    "Please select a system by clicking on the \"System Name\"";
inline constexpr std::string_view kDeleteSystem = "Delete system?";
inline constexpr std::string_view kNoSystemsCategory = "No Systems Defined";
inline constexpr std::string_view kNoNameProject = "Project: <No Name>";
inline constexpr std::string_view kNoNameSystem = "<No Name>: ";

enum TreeIcon : int {
  kIconProject = 0,
  kIconFans = 1,
  kIconPumps = 2,
  kIconTowers = 3,
  kIconSystem = 4
};

// The information tabs beside the tree.
enum class OverviewTab { Navigation, MainSystemData, DutyCycleData, Category };

// What the tabs show after the selection changed.
struct OverviewTabs {
  std::vector<OverviewTab> visible{OverviewTab::Navigation};
  OverviewTab active = OverviewTab::Navigation;
  std::string categoryCaption;  // e.g. "Fan Systems:"
  // The application type to select in the editor (and whose systems the
  // category tab adds up); -1 for none.
  int applicationType = -1;
};

// Rows of the main system data shown for one system.
struct MainSystemDataRows {
  bool type = true;
  bool flowControl = true;
  bool minimumHead = true;
  bool driveMotorEfficiency = true;
  bool voltage = true;
  bool fla = true;
  bool utilityRebate = true;
  bool systemCount = true;
  bool daysPerWeek = true;
  bool weeksPerYear = true;
  bool rateColumn = true;
};
MainSystemDataRows Main_System_Data_Rows(const model::TVexEnergySystem& system);

// What Edit System should do.
enum class EditAction { None, AddNew, EditCurrent };
enum class EditTrigger { Button, DoubleClick };

// The project overview's tree: its categories, nodes and order, and the
// operations of its buttons that need no window.
class SystemsTree {
 public:
  SystemsTree(model::TVexEnergyProjectAnalysis& project, const projectfile::ProjectHeader& header,
              const shell::RunState& state, WizardState& wizard, MessageSink& messages);

  TreeModel& Tree() { return tree_; }
  const TreeModel& Tree() const { return tree_; }
  TVexTreeView& View() { return view_; }

  // Position of a type's category in the tree; -1 when the type is left out.
  int Category_Of_Type(int applicationType) const;

  // A new tree with the categories the project needs. With populate the last
  // system becomes current and every system gets its node.
  void Rebuild(bool populate);
  void Add_System_Node(int index);
  void Update_System_Node(int index);
  // The root caption after the project name changed.
  void Update_Root();
  // The current system follows the selected node.
  OverviewTabs Refresh();
  const OverviewTabs& Tabs() const { return tabs_; }

  EditAction Edit_System(EditTrigger trigger);
  // Asks, removes the current system and closes the gap; true when removed.
  bool Remove_System();
  // True when there is a current system to calculate; says so otherwise.
  bool Has_Current_System();

  // Moves a system within its category; true when the order changed.
  bool Drop(const TreeNode* source, const TreeNode* target);

  // The systems as the tree lists them: the order of the report and of the
  // project file.
  std::vector<int> ReportSystemOrder();

  std::string Root_Caption() const;
  static std::string System_Node_Text(const model::TVexEnergySystem& system, int index);

 private:
  int indexOf(const model::TVexEnergySystem* system) const;
  TVexTreeViewSettings settings(bool withTypes) const;

  model::TVexEnergyProjectAnalysis& project_;
  const projectfile::ProjectHeader& header_;
  const shell::RunState& state_;
  WizardState& wizard_;
  MessageSink& messages_;
  TreeModel tree_;
  TVexTreeView view_{&tree_};
  std::array<int, model::kApplicationCount> categoryOfType_{-1, -1, -1};
  OverviewTabs tabs_;
};

}  // namespace korvane::wizard

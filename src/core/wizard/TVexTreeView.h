#pragma once

#include <string>
#include <vector>

#include "wizard/TreeModel.h"

namespace korvane::wizard {

struct TVexTreeCategory {
  int imageIndex = -1;
  int selectedImageIndex = -1;
  std::string caption;
};

struct TVexTreeViewSettings {
  std::vector<TVexTreeCategory> categories;  // in display order
  int imageIndex = -1;
  int selectedImageIndex = -1;
  std::string rootCaption;
};

// A system node as the wizard sees it; category -1 is the root.
struct TVexTreeNode {
  int category = -1;
  const model::TVexEnergySystem* data = nullptr;
  int imageIndex = -1;
  bool selected = false;
  int selectedImageIndex = -1;
  std::string text;
};

// The systems tree of a project: a root, one node per category and the
// system nodes below them. Every operation but Create needs a built tree and
// reports whether it did anything.
class TVexTreeView {
 public:
  enum class State { Unusable = 0, Attached = 1, Built = 2 };

  explicit TVexTreeView(TreeModel* tree)
      : tree_(tree), state_(tree ? State::Attached : State::Unusable) {}

  State Get_State() const { return state_; }

  bool Create(const TVexTreeViewSettings& settings);
  bool Add_Node(const TVexTreeNode& node);
  // Walks the system nodes and makes the one standing for that system the
  // found node.
  bool Find_By_Data(const model::TVexEnergySystem* system);
  // System nodes in tree order, category by category.
  bool First(TVexTreeNode& node);
  bool Next(TVexTreeNode& node);
  // In place while the category stays; otherwise the node moves to the end of
  // its new category.
  bool Update_Found_Node(const TVexTreeNode& node);
  bool Delete_Found_Node();
  bool Selected_Node(TVexTreeNode& node) const;
  bool Update_Root(const TVexTreeViewSettings& settings);
  // Categories fold; the root never does.
  static bool Allow_Collapse(const TreeNode* node);

  // Reordering within a category by dragging a system node onto another.
  bool Begin_Drag(const TreeNode* node);
  bool Drag_Over(const TreeNode* target, bool sourceIsTree) const;
  bool Drop(const TreeNode* target);

  const TreeNode* Found() const { return found_; }
  const TreeNode* Last_Added() const { return lastAdded_; }

 private:
  bool built() const { return state_ == State::Built && tree_ && tree_->Root(); }
  int categoryOf(const TreeNode* node) const;
  TVexTreeNode record(const TreeNode* node) const;
  TreeNode* addTo(int category, const TVexTreeNode& node);
  bool deliver(TreeNode* node, TVexTreeNode& out);

  TreeModel* tree_;
  State state_;
  std::vector<TreeNode*> categoryNodes_;
  TreeNode* found_ = nullptr;
  TreeNode* lastAdded_ = nullptr;
  int dragSource_ = -1;
};

}  // namespace korvane::wizard

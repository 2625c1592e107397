#pragma once

#include <memory>
#include <string>
#include <vector>

namespace korvane::model {
class TVexEnergySystem;
}

namespace korvane::wizard {

// What a tree node shows and stands for.
struct TreeItem {
  std::string text;
  int imageIndex = -1;
  int selectedImageIndex = -1;
  const model::TVexEnergySystem* data = nullptr;
};

struct TreeNode {
  TreeItem item;
  bool expanded = false;
  TreeNode* parent = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children;
};

// The systems tree as plain data: the window's tree view shows it and
// reports clicks and drops back by node. Nodes keep their address until they
// are deleted.
class TreeModel {
 public:
  void Clear();
  TreeNode* Root() const { return root_.get(); }
  // A new root replaces the whole tree.
  TreeNode* Add_Root(const TreeItem& item);
  TreeNode* Add_Child(TreeNode* parent, const TreeItem& item);
  // A new node just before a sibling, under the sibling's parent.
  TreeNode* Insert_Before(TreeNode* sibling, const TreeItem& item);
  void Delete(TreeNode* node);

  TreeNode* Selected() const { return selected_; }
  // Selecting a node opens the nodes above it so that it can be seen.
  void Select(TreeNode* node);

  // Position counted over the whole tree, top to bottom, root first; -1 for
  // a node not in the tree.
  int Absolute_Index(const TreeNode* node) const;
  TreeNode* Node_At(int absoluteIndex) const;
  // 0 for the root, 1 for its children, ...
  static int Level(const TreeNode* node);

  // Grows with every change, so a view knows when to show the tree again.
  unsigned Revision() const { return revision_; }

 private:
  bool contains(const TreeNode* ancestor, const TreeNode* node) const;

  std::unique_ptr<TreeNode> root_;
  TreeNode* selected_ = nullptr;
  unsigned revision_ = 0;
};

}  // namespace korvane::wizard

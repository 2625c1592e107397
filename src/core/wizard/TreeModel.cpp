#include "wizard/TreeModel.h"

#include <algorithm>

namespace korvane::wizard {

namespace {

// Walks the tree top to bottom; visit returns true to stop.
template <typename Visit>
bool walk(TreeNode* node, Visit& visit) {
  if (visit(node)) return true;
  for (auto& child : node->children) {
    if (walk(child.get(), visit)) return true;
  }
  return false;
}

}  // namespace

void TreeModel::Clear() {
  root_.reset();
  selected_ = nullptr;
  ++revision_;
}

TreeNode* TreeModel::Add_Root(const TreeItem& item) {
  Clear();
  root_ = std::make_unique<TreeNode>();
  root_->item = item;
  return root_.get();
}

TreeNode* TreeModel::Add_Child(TreeNode* parent, const TreeItem& item) {
  if (!parent) return nullptr;
  auto node = std::make_unique<TreeNode>();
  node->item = item;
  node->parent = parent;
  parent->children.push_back(std::move(node));
  ++revision_;
  return parent->children.back().get();
}

TreeNode* TreeModel::Insert_Before(TreeNode* sibling, const TreeItem& item) {
  if (!sibling || !sibling->parent) return nullptr;
  auto& siblings = sibling->parent->children;
  auto at = std::find_if(siblings.begin(), siblings.end(),
                         [&](const auto& child) { return child.get() == sibling; });
  auto node = std::make_unique<TreeNode>();
  node->item = item;
  node->parent = sibling->parent;
  ++revision_;
  return siblings.insert(at, std::move(node))->get();
}

bool TreeModel::contains(const TreeNode* ancestor, const TreeNode* node) const {
  for (const TreeNode* n = node; n; n = n->parent) {
    if (n == ancestor) return true;
  }
  return false;
}

void TreeModel::Delete(TreeNode* node) {
  if (!node) return;
  // As a tree control does, the selection moves up rather than vanishing, so
  // the overview never keeps showing a system that is gone.
  if (contains(node, selected_)) selected_ = node->parent;
  if (node == root_.get()) {
    Clear();
    return;
  }
  if (!node->parent) return;
  auto& siblings = node->parent->children;
  std::erase_if(siblings, [&](const auto& child) { return child.get() == node; });
  ++revision_;
}

void TreeModel::Select(TreeNode* node) {
  selected_ = node;
  if (node) {
    for (TreeNode* p = node->parent; p; p = p->parent) p->expanded = true;
  }
  ++revision_;
}

int TreeModel::Absolute_Index(const TreeNode* node) const {
  if (!root_ || !node) return -1;
  int index = -1;
  int position = 0;
  auto visit = [&](TreeNode* n) {
    if (n == node) {
      index = position;
      return true;
    }
    ++position;
    return false;
  };
  walk(root_.get(), visit);
  return index;
}

TreeNode* TreeModel::Node_At(int absoluteIndex) const {
  if (!root_ || absoluteIndex < 0) return nullptr;
  TreeNode* found = nullptr;
  int position = 0;
  auto visit = [&](TreeNode* n) {
    if (position++ == absoluteIndex) {
      found = n;
      return true;
    }
    return false;
  };
  walk(root_.get(), visit);
  return found;
}

int TreeModel::Level(const TreeNode* node) {
  int level = -1;
  for (const TreeNode* n = node; n; n = n->parent) ++level;
  return level;
}

}  // namespace korvane::wizard

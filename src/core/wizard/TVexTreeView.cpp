#include "wizard/TVexTreeView.h"

#include <algorithm>

namespace korvane::wizard {

namespace {
constexpr int kSystemLevel = 2;
}

bool TVexTreeView::Create(const TVexTreeViewSettings& settings) {
  if (state_ == State::Unusable) return false;
  found_ = nullptr;
  lastAdded_ = nullptr;
  dragSource_ = -1;
  categoryNodes_.clear();
  TreeNode* root = tree_->Add_Root(
      {settings.rootCaption, settings.imageIndex, settings.selectedImageIndex, nullptr});
  for (const TVexTreeCategory& c : settings.categories) {
    categoryNodes_.push_back(
        tree_->Add_Child(root, {c.caption, c.imageIndex, c.selectedImageIndex, nullptr}));
  }
  root->expanded = true;
  tree_->Select(root);
  state_ = State::Built;
  return true;
}

int TVexTreeView::categoryOf(const TreeNode* node) const {
  if (!node) return -1;
  const TreeNode* category = TreeModel::Level(node) == kSystemLevel ? node->parent : node;
  const auto it = std::find(categoryNodes_.begin(), categoryNodes_.end(), category);
  return it == categoryNodes_.end() ? -1 : static_cast<int>(it - categoryNodes_.begin());
}

TVexTreeNode TVexTreeView::record(const TreeNode* node) const {
  TVexTreeNode r;
  r.category = categoryOf(node);
  r.data = node->item.data;
  r.imageIndex = node->item.imageIndex;
  r.selectedImageIndex = node->item.selectedImageIndex;
  r.selected = tree_->Selected() == node;
  r.text = node->item.text;
  return r;
}

TreeNode* TVexTreeView::addTo(int category, const TVexTreeNode& node) {
  if (category < 0 || category >= static_cast<int>(categoryNodes_.size())) return nullptr;
  TreeNode* added =
      tree_->Add_Child(categoryNodes_[static_cast<size_t>(category)],
                       {node.text, node.imageIndex, node.selectedImageIndex, node.data});
  if (node.selected) tree_->Select(added);
  return added;
}

bool TVexTreeView::Add_Node(const TVexTreeNode& node) {
  if (!built()) return false;
  TreeNode* added = addTo(node.category, node);
  if (!added) return false;
  lastAdded_ = added;
  return true;
}

bool TVexTreeView::deliver(TreeNode* node, TVexTreeNode& out) {
  found_ = node;
  if (!node) return false;
  out = record(node);
  return true;
}

bool TVexTreeView::First(TVexTreeNode& node) {
  if (!built()) return false;
  for (TreeNode* category : categoryNodes_) {
    if (!category->children.empty()) return deliver(category->children.front().get(), node);
  }
  return deliver(nullptr, node);
}

bool TVexTreeView::Next(TVexTreeNode& node) {
  if (!built() || !found_) return false;
  const int category = categoryOf(found_);
  if (category < 0) return deliver(nullptr, node);
  const auto& siblings = found_->parent->children;
  const auto at = std::find_if(siblings.begin(), siblings.end(),
                               [&](const auto& child) { return child.get() == found_; });
  if (at != siblings.end() && at + 1 != siblings.end()) return deliver((at + 1)->get(), node);
  for (size_t c = static_cast<size_t>(category) + 1; c < categoryNodes_.size(); ++c) {
    if (!categoryNodes_[c]->children.empty()) {
      return deliver(categoryNodes_[c]->children.front().get(), node);
    }
  }
  return deliver(nullptr, node);
}

bool TVexTreeView::Find_By_Data(const model::TVexEnergySystem* system) {
  TVexTreeNode node;
  for (bool more = First(node); more; more = Next(node)) {
    if (node.data == system) return true;
  }
  return false;
}

bool TVexTreeView::Update_Found_Node(const TVexTreeNode& node) {
  if (!built() || !found_) return false;
  if (node.category == categoryOf(found_)) {
    found_->item = {node.text, node.imageIndex, node.selectedImageIndex, node.data};
    if (node.selected) tree_->Select(found_);
    return true;
  }
  TreeNode* moved = addTo(node.category, node);
  if (!moved) return false;
  Delete_Found_Node();
  found_ = moved;
  return true;
}

bool TVexTreeView::Delete_Found_Node() {
  if (!built() || !found_ || TreeModel::Level(found_) != kSystemLevel) return false;
  if (lastAdded_ == found_) lastAdded_ = nullptr;
  tree_->Delete(found_);
  found_ = nullptr;
  dragSource_ = -1;
  return true;
}

bool TVexTreeView::Selected_Node(TVexTreeNode& node) const {
  if (!built() || !tree_->Selected()) return false;
  node = record(tree_->Selected());
  return true;
}

bool TVexTreeView::Update_Root(const TVexTreeViewSettings& settings) {
  if (!built()) return false;
  TreeItem& root = tree_->Root()->item;
  root.text = settings.rootCaption;
  root.imageIndex = settings.imageIndex;
  root.selectedImageIndex = settings.selectedImageIndex;
  tree_->Select(tree_->Selected());
  return true;
}

bool TVexTreeView::Allow_Collapse(const TreeNode* node) {
  return node && node->parent;
}

bool TVexTreeView::Begin_Drag(const TreeNode* node) {
  if (!built() || TreeModel::Level(node) != kSystemLevel) return false;
  dragSource_ = tree_->Absolute_Index(node);
  return dragSource_ >= 0;
}

bool TVexTreeView::Drag_Over(const TreeNode* target, bool sourceIsTree) const {
  if (!built() || !sourceIsTree || dragSource_ < 0) return false;
  const TreeNode* source = tree_->Node_At(dragSource_);
  return source && TreeModel::Level(target) == kSystemLevel && target->parent == source->parent;
}

bool TVexTreeView::Drop(const TreeNode* target) {
  if (!Drag_Over(target, true)) {
    dragSource_ = -1;
    return false;
  }
  TreeNode* source = tree_->Node_At(dragSource_);
  dragSource_ = -1;
  if (source == target) return false;
  const int sourceIndex = tree_->Absolute_Index(source);
  const int targetIndex = tree_->Absolute_Index(target);
  TVexTreeNode copy = record(source);
  copy.selected = true;
  // Dropped on a node below, the system goes after it; on one above, before it.
  TreeNode* before = const_cast<TreeNode*>(target);
  if (sourceIndex < targetIndex) {
    before = tree_->Node_At(targetIndex + 1);
    if (before && TreeModel::Level(before) != kSystemLevel) before = nullptr;
  }
  TreeNode* moved = nullptr;
  if (before) {
    moved = tree_->Insert_Before(before,
                                 {copy.text, copy.imageIndex, copy.selectedImageIndex, copy.data});
    tree_->Select(moved);
  } else {
    moved = addTo(copy.category, copy);
  }
  if (found_ == source) found_ = nullptr;
  if (lastAdded_ == source) lastAdded_ = nullptr;
  tree_->Delete(source);
  tree_->Select(moved);
  return moved != nullptr;
}

}  // namespace korvane::wizard

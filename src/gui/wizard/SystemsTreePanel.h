#pragma once

#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <unordered_map>
#include <vector>

#include "wizard/ResultLabels.h"
#include "wizard/SystemsTree.h"

class QLabel;
class QGridLayout;
class QTabWidget;

namespace korvane {
class EstimatorSession;
}
namespace korvane::wizard {
class EstimationWizard;
}

namespace korvane::gui {

class DutyCycleChart;
class ResultValueLabel;

// The window's view of the systems tree: it shows the core's tree model and
// reports clicks, double-clicks and drops back by node.
class SystemsTreeWidget : public QTreeWidget {
 public:
  explicit SystemsTreeWidget(QWidget* parent = nullptr);

  // Shows the model again when it changed since the last showing.
  void show(const wizard::TreeModel& model, bool force = false);
  wizard::TreeNode* nodeOf(const QTreeWidgetItem* item) const;

  std::function<void(wizard::TreeNode*)> Selected;
  std::function<void()> DoubleClicked;
  std::function<bool(const wizard::TreeNode*)> DragStarts;
  std::function<bool(const wizard::TreeNode*)> DragOver;
  std::function<void(const wizard::TreeNode*, const wizard::TreeNode*)> Dropped;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void startDrag(Qt::DropActions actions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QTreeWidgetItem* addItem(wizard::TreeNode& node, QTreeWidgetItem* parent);

  std::unordered_map<const QTreeWidgetItem*, wizard::TreeNode*> nodes_;
  unsigned shownRevision_ = ~0U;
  const wizard::TreeNode* dragSource_ = nullptr;
  bool showing_ = false;
};

// Step 3 of a project of several systems: the tree with its buttons, the
// systems counter and the information tabs beside it.
class SystemsTreePanel : public QWidget {
 public:
  SystemsTreePanel(EstimatorSession& session, wizard::EstimationWizard& wizard,
                   QWidget* parent = nullptr);

  // The tree, the tabs and the rows as the core now has them.
  void load(bool forceTree = false);
  void showCounter(const QString& count);
  SystemsTreeWidget* tree() const { return tree_; }

  // Asks the wizard to show again what the core changed.
  std::function<void()> Changed;
  // "Customer Information" on the navigation tab.
  std::function<void()> ShowCustomerStep;

 private:
  struct MainRow {
    model::ResultSlot slot;
    QWidget* caption;
    QWidget* value;
  };

  QWidget* buildButtons();
  QWidget* buildNavigationTab();
  QWidget* buildMainDataTab();
  QWidget* buildCategoryTab();
  void addLabel(const wizard::ResultLabel& label, QGridLayout* grid, int row, QWidget* parent);
  void showTabs();
  void showMainRows();
  void showDutyRows();
  void showContextMenu(const QPoint& at);
  void act(const std::function<void()>& operation);

  EstimatorSession& session_;
  wizard::EstimationWizard& wizard_;
  SystemsTreeWidget* tree_ = nullptr;
  QLabel* counter_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QWidget* navigationTab_ = nullptr;
  QWidget* mainTab_ = nullptr;
  QWidget* dutyTab_ = nullptr;
  QWidget* categoryTab_ = nullptr;
  std::vector<MainRow> mainRows_;
  std::vector<ResultValueLabel*> labels_;
  std::vector<std::array<QLabel*, 4>> dutyRows_;
  QLabel* rateHeading_ = nullptr;
  DutyCycleChart* dutyChart_ = nullptr;
};

}  // namespace korvane::gui

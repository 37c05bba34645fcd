#pragma once
// The commands of the "Connection" menu that change the tree: adding, duplicating,
// deleting, moving, renaming in place, selecting from the root, expanding and collapsing.
#include <QObject>
#include <string>

#include "core/tree/TreeEditing.h"

namespace skelder {

class MainWindow;
class ConnectionTreeView;
class TreeNode;

class TreeCommands : public QObject {
  Q_OBJECT
 public:
  TreeCommands(MainWindow& window, ConnectionTreeView& view);

  void AddNode(AddKind kind);
  void DeleteSelected();
  void MoveUp();
  void MoveDown();
  void SelectFromRoot();
  void ExpandAll();
  void CollapseAll();
  // The in-place editor closed with a changed text.
  void VTNewText(TreeNode* node, const std::string& text);
  void VTCollapsed(TreeNode* node);

  // True while a duplicate (or later a paste) runs: renames are then taken unchecked.
  bool duplicating() const { return duplicating_; }

 private:
  NewConnectionDefaults newConnectionDefaults() const;
  void finish();

  MainWindow& window_;
  ConnectionTreeView& view_;
  bool duplicating_ = false;
};

}  // namespace skelder

#pragma once
// The commands of the "Connection" menu that change the tree: adding, duplicating,
// deleting, moving, renaming in place, selecting from the root, expanding and collapsing.
#include <QObject>

class QAction;
#include <string>

#include "core/tree/TreeEditing.h"

namespace skelder {

class ConnectionTree;
class ConnectionTreeView;
class PendingEdits;
class PropertyPages;
class SettingsPages;
class TableDocument;
class TreeNode;
struct ProgramServices;

struct TreeCommandsParts {
  ConnectionTree& tree;
  TableDocument& document;
  ConnectionTreeView& view;
  PropertyPages& properties;
  PendingEdits& pending;
  const SettingsPages& settings;  // the defaults of new connections
  const ProgramServices& services;
  // Disabled at once by their command, before the next refresh.
  QAction& deleteSelected;
  QAction& moveUp;
  QAction& moveDown;
};

class TreeCommands : public QObject {
  Q_OBJECT
 public:
  TreeCommands(const TreeCommandsParts& parts, QObject* parent);

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

 signals:
  void statesChanged();
  void addFinished();

 private:
  NewConnectionDefaults newConnectionDefaults() const;
  void finish();

  TreeCommandsParts parts_;
  ConnectionTree& tree_;
  ConnectionTreeView& view_;
  bool duplicating_ = false;
};

}  // namespace skelder

#pragma once
// The four connection pages as a working copy of the focused node: filled from the node
// (ShowNodeProperties), counted as pending edits while the user changes them, written
// back on Apply (ApplyNodeProperties), and guarded by a question before unapplied edits
// would be lost to a focus change or a collapse.
#include <QObject>

#include "core/properties/ColorSet.h"
#include "core/tree/TreeObserver.h"

class QTabWidget;

namespace skelder {

class ColorsPage;
class ConnectionTree;
class MacroPage;
class PendingEdits;
class PopupPage;
class PreviewPage;
class SchedulePage;
class SettingsPages;
class StatusPanels;
class TableDocument;
class TreeNode;
struct ProgramServices;

// What the pages work with: the tree and its document, the connection pages and the settings
// they follow, the pending edits and the status bar.
struct PropertyPagesParts {
  ConnectionTree& tree;
  TableDocument& document;
  MacroPage& macro;
  PopupPage& popup;
  ColorsPage& colors;
  SchedulePage& schedule;
  PreviewPage& preview;
  const SettingsPages& settings;
  PendingEdits& pending;
  StatusPanels& status;
  const QTabWidget& pageArea;  // PG, whose current page is the active one
  const ProgramServices& services;
};

class PropertyPages : public QObject, public TreeObserver {
  Q_OBJECT
 public:
  PropertyPages(const PropertyPagesParts& parts, QObject* parent);
  ~PropertyPages() override;

  void ShowNodeProperties();
  void ApplyNodeProperties(TreeNode* node);
  // Asked before the tree's focus moves to newNode; false when the user cancelled.
  bool FocusChangeAllowed(TreeNode* newNode);
  bool lastQuestionCancelled() const { return lastCancelled_; }
  // Asks whether to apply the pending edits, naming the node: Yes applies them to the
  // focused node, No drops them; false for Cancel.
  bool resolvePendingEdits(const std::string& name);
  // Before a command moves away from the current node: with pending edits the question
  // above; false when the user cancelled.
  bool SettlePendingEdits();

  ColorSet& workingColors();
  // Brings the panel of the page now showing in line (after a page change).
  void UpdateActivePanel(int page);

 signals:
  void statesChanged();

 private:
  bool collapseAllowed(const TreeNode* node) override;
  void userEdit(QWidget* control);
  void showLastUpdated(const std::string& stamp);
  void showColorsPanelText();

  PropertyPagesParts parts_;
  ConnectionTree& tree_;
  bool covered_ = true;
  QString coverText_;
  bool lastCancelled_ = false;
};

}  // namespace skelder

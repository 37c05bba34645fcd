#pragma once
// The four connection pages as a working copy of the focused node: filled from the node
// (ShowNodeProperties), counted as pending edits while the user changes them, written
// back on Apply (ApplyNodeProperties), and guarded by a question before unapplied edits
// would be lost to a focus change or a collapse.
#include <QObject>

#include "core/base/UserDialogs.h"
#include "core/properties/ColorSet.h"
#include "core/tree/TreeObserver.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/ConnectionPages.h"

namespace skelder {

class MainWindow;
class SchedulePage;
class TreeNode;

class PropertyPages : public QObject, public TreeObserver {
  Q_OBJECT
 public:
  PropertyPages(MainWindow& window, ConnectionPages& pages);
  ~PropertyPages() override;

  void ShowNodeProperties();
  void ApplyNodeProperties(TreeNode* node);
  // Asked before the tree's focus moves to newNode; false when the user cancelled.
  bool FocusChangeAllowed(TreeNode* newNode);
  bool lastQuestionCancelled() const { return lastCancelled_; }
  // Asks whether to apply the pending edits, naming the node: Yes applies them to the
  // focused node, No drops them; false for Cancel.
  bool resolvePendingEdits(const std::string& name);

  ColorSet& workingColors() { return colors_->workingColors(); }
  ColorsPage& colorsPage() { return *colors_; }
  SchedulePage& schedulePage() { return *schedule_; }
  // Brings the panel of the page now showing in line (after a page change).
  void UpdateActivePanel(int page);

 private:
  bool collapseAllowed(const TreeNode* node) override;
  void userEdit(QWidget* control);
  void showLastUpdated(const std::string& stamp);
  void showColorsPanelText();

  MainWindow& window_;
  ConnectionPages& pages_;
  ColorsPage* colors_;
  SchedulePage* schedule_;
  bool covered_ = true;
  QString coverText_;
  bool lastCancelled_ = false;
};

}  // namespace skelder

#pragma once
// "Cut", "Copy", "Paste" and "Select All" for whatever part of the window has the focus:
// branches of the tree through the clipboard, text in the editors and fields.
#include <QObject>

class QAction;
class QMimeData;

namespace skelder {

class ConnectionTree;
class FocusAreas;
class PendingEdits;
class PropertyPages;
class SchedulePage;
class TableDocument;
class TreeNode;

struct EditCommandsParts {
  ConnectionTree& tree;
  TableDocument& document;
  PropertyPages& properties;
  SchedulePage& schedule;  // a paste into a field is corrected there
  PendingEdits& pending;
  const FocusAreas& focus;
  QAction& cut;  // disabled at once by a cut, before the next refresh
};

class EditCommands : public QObject {
  Q_OBJECT
 public:
  EditCommands(const EditCommandsParts& parts, QObject* parent);

  void CutCommand();
  void CopyCommand();
  void PasteCommand();
  void SelectAllCommand();
  // "Undo" in the focused editor or field.
  void UndoCommand();
  // Nodes dragged within the tree arrive at the target: moved, or copied with Ctrl held.
  void DropNodes(TreeNode* target, int position, bool copy);

  // The node focused at the last tree cut, copy or drag start; null after a text cut.
  TreeNode* cutSource() const { return cutSource_; }
  void setCutSource(TreeNode* node) { cutSource_ = node; }
  // A pending cut or copy ends: the marks go, a later paste inserts copies.
  void CancelCutOrCopy() { CancelCutOrCopy(parts_.tree); }
  static void CancelCutOrCopy(ConnectionTree& tree);

  // The mime type of tree branches ("Virtual Tree Data" on the Windows clipboard).
  static QString BranchesMimeType();
  static QMimeData* BranchesData(const std::string& bytes);

 signals:
  void statesChanged();

 private:
  void cutOrCopy(bool cut);
  static void ClearCutMarks(ConnectionTree& tree);

  EditCommandsParts parts_;
  TreeNode* cutSource_ = nullptr;
};

}  // namespace skelder

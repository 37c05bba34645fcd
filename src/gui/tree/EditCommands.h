#pragma once
// "Cut", "Copy", "Paste" and "Select All" for whatever part of the window has the focus:
// branches of the tree through the clipboard, text in the editors and fields.
#include <QObject>

class QMimeData;

namespace skelder {

class MainWindow;
class TreeNode;

class EditCommands : public QObject {
  Q_OBJECT
 public:
  explicit EditCommands(MainWindow& window);

  void CutCommand();
  void CopyCommand();
  void PasteCommand();
  void SelectAllCommand();

  // The node focused at the last tree cut, copy or drag start; null after a text cut.
  TreeNode* cutSource() const { return cutSource_; }
  void setCutSource(TreeNode* node) { cutSource_ = node; }
  // A pending cut or copy ends: the marks go, a later paste inserts copies.
  void CancelCutOrCopy();

  // The mime type of tree branches ("Virtual Tree Data" on the Windows clipboard).
  static QString BranchesMimeType();
  static QMimeData* BranchesData(const std::string& bytes);

 private:
  void cutOrCopy(bool cut);
  void ClearCutMarks();

  MainWindow& window_;
  TreeNode* cutSource_ = nullptr;
};

}  // namespace skelder

#include "gui/tree/EditCommands.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include "core/app/TableDocument.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeClipboard.h"
#include "core/tree/TreeUpdateBatch.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SchedulePage.h"
#include "gui/ui/FocusAreas.h"

namespace skelder {

EditCommands::EditCommands(const EditCommandsParts& parts, QObject* parent)
    : QObject(parent), parts_(parts) {}

QString EditCommands::BranchesMimeType() {
  return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
      .arg(QLatin1String(kTreeClipboardFormat));
}

QMimeData* EditCommands::BranchesData(const std::string& bytes) {
  auto* data = new QMimeData;
  data->setData(BranchesMimeType(), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return data;
}

void EditCommands::ClearCutMarks(ConnectionTree& tree) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  tree.clearCutMarks();
  QApplication::restoreOverrideCursor();
}

void EditCommands::CancelCutOrCopy(ConnectionTree& tree) {
  if (!tree.cutPending()) return;
  tree.setCutPending(false);
  ClearCutMarks(tree);
}

void EditCommands::cutOrCopy(bool cut) {
  cutSource_ = nullptr;
  ClearCutMarks(parts_.tree);
  if (cut) parts_.cut.setEnabled(false);
  ConnectionTree& tree = parts_.tree;
  const FocusArea area = parts_.focus.current();
  QWidget* focus = QApplication::focusWidget();
  if (area == FocusArea::Tree) {
    QApplication::clipboard()->setMimeData(BranchesData(EncodeBranches(tree)));
    for (TreeNode* node : tree.selectedNodes())
      if (node != tree.computerNode()) tree.setCutMark(node, true);
    tree.setCutPending(cut);
    cutSource_ = tree.focusedNode();
    MarkCutBranches(tree);
  } else if (auto* editor = qobject_cast<QsciScintilla*>(focus)) {
    cut ? editor->cut() : editor->copy();
    if (cut) parts_.pending.set(true);
  } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    cut ? field->cut() : field->copy();
    if (cut && IsScheduleField(area)) parts_.pending.set(true);
    if (cut && area == FocusArea::NameEditor) parts_.document.setModified(true);
  }
  emit statesChanged();
}

void EditCommands::CutCommand() { cutOrCopy(true); }
void EditCommands::CopyCommand() { cutOrCopy(false); }

void EditCommands::PasteCommand() {
  ConnectionTree& tree = parts_.tree;
  const QMimeData* data = QApplication::clipboard()->mimeData();
  const FocusArea area = parts_.focus.current();
  TreeNode* focused = tree.focusedNode();
  if (data && data->hasFormat(BranchesMimeType()) && area == FocusArea::Tree && focused) {
    const bool wasCut = tree.cutPending();
    tree.setCutPending(false);
    TreeNode* source = cutSource_;
    const bool sourceExpanded = source && source->isExpanded();
    std::vector<TreeNode*> arrived;
    {
      TreeUpdateBatch batch(tree);
      if (sourceExpanded) tree.setExpanded(source, false);
      if (wasCut) {
        // After a cut in this tree the cut branches themselves move.
        const std::vector<TreeNode*> branches = MarkedBranches(tree);
        tree.clearCutMarks();
        arrived = tree.moveNodes(branches, focused, AttachMode::FirstChild);
      } else {
        const QByteArray bytes = data->data(BranchesMimeType());
        arrived = InsertBranches(tree, bytes.toStdString(), focused, AttachMode::FirstChild);
      }
      NodesArrived(tree, arrived);
      if (sourceExpanded) tree.expandAll(source);
      tree.setFocusedNode(focused);
    }
    parts_.document.setModified(true);
  } else if (data && data->hasText()) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* editor = qobject_cast<QsciScintilla*>(focus)) {
      editor->paste();
      parts_.pending.set(true);
    } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
      field->paste();
      if (IsScheduleField(area)) {
        int corrections = 0;
        parts_.schedule.ValidateField(
            static_cast<int>(area) - static_cast<int>(FocusArea::Minute) + 1, corrections);
        parts_.pending.set(true);
      }
      if (area == FocusArea::NameEditor) parts_.document.setModified(true);
    }
  }
  emit statesChanged();
}

void EditCommands::SelectAllCommand() {
  ConnectionTree& tree = parts_.tree;
  QWidget* focus = QApplication::focusWidget();
  if (parts_.focus.current() == FocusArea::Tree) {
    // With unapplied edits the apply question comes first; Cancel selects nothing.
    if (parts_.properties.SettlePendingEdits()) tree.selectAll();
  } else if (auto* editor = qobject_cast<QsciScintilla*>(focus)) {
    editor->selectAll();
  } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    field->selectAll();
  }
  emit statesChanged();
}

void EditCommands::UndoCommand() {
  const FocusArea area = parts_.focus.current();
  QWidget* focus = QApplication::focusWidget();
  if (auto* editor = qobject_cast<QsciScintilla*>(focus);
      editor && (area == FocusArea::MacroEditor || area == FocusArea::PopupEditor)) {
    editor->undo();
    parts_.pending.set(true);
  } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    field->undo();
    if (area == FocusArea::NameEditor) parts_.document.setModified(true);
  }
  emit statesChanged();
}

void EditCommands::DropNodes(TreeNode* target, int position, bool copy) {
  ConnectionTree& tree = parts_.tree;
  TreeNode* source = cutSource_;
  const bool sourceExpanded = source && source->isExpanded();
  const DropPosition at = static_cast<DropPosition>(position);
  {
    TreeUpdateBatch batch(tree);
    if (sourceExpanded) tree.setExpanded(source, false);
    std::vector<TreeNode*> arrived;
    if (copy)
      arrived = InsertBranches(tree, EncodeBranches(tree), target, DropMode(target, at));
    else
      arrived = tree.moveNodes(tree.selectedNodes(), target, DropMode(target, at));
    NodesArrived(tree, arrived);
    if (sourceExpanded) tree.expandAll(source);
  }
  parts_.document.setModified(true);
  emit statesChanged();
}

}  // namespace skelder

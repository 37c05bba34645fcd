#include "gui/tree/EditCommands.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include "core/tree/TreeClipboard.h"
#include "core/tree/TreeUpdateBatch.h"
#include "gui/app/Commands.h"
#include "gui/app/MainWindow.h"
#include "gui/properties/PropertyPages.h"
#include "gui/properties/SchedulePage.h"

namespace skelder {

EditCommands::EditCommands(MainWindow& window) : QObject(&window), window_(window) {
  Commands& c = window_.commands();
  connect(c.cut, &QAction::triggered, this, &EditCommands::CutCommand);
  connect(c.copy, &QAction::triggered, this, &EditCommands::CopyCommand);
  connect(c.paste, &QAction::triggered, this, &EditCommands::PasteCommand);
  connect(c.selectAll, &QAction::triggered, this, &EditCommands::SelectAllCommand);
}

QString EditCommands::BranchesMimeType() {
  return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
      .arg(QLatin1String(kTreeClipboardFormat));
}

QMimeData* EditCommands::BranchesData(const std::string& bytes) {
  auto* data = new QMimeData;
  data->setData(BranchesMimeType(), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return data;
}

void EditCommands::ClearCutMarks() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window_.tree().clearCutMarks();
  QApplication::restoreOverrideCursor();
}

void EditCommands::CancelCutOrCopy() {
  if (!window_.tree().cutPending()) return;
  window_.tree().setCutPending(false);
  ClearCutMarks();
}

void EditCommands::cutOrCopy(bool cut) {
  cutSource_ = nullptr;
  ClearCutMarks();
  if (cut) window_.commands().cut->setEnabled(false);
  ConnectionTree& tree = window_.tree();
  const FocusArea area = window_.focusArea();
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
    if (cut) window_.SetPendingEdits(true);
  } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    cut ? field->cut() : field->copy();
    if (cut && IsScheduleField(area)) window_.SetPendingEdits(true);
    if (cut && area == FocusArea::NameEditor) window_.UpdateCaption(true);
  }
  window_.RequestCommandRefresh();
}

void EditCommands::CutCommand() { cutOrCopy(true); }
void EditCommands::CopyCommand() { cutOrCopy(false); }

void EditCommands::PasteCommand() {
  ConnectionTree& tree = window_.tree();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  const FocusArea area = window_.focusArea();
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
    window_.UpdateCaption(true);
  } else if (data && data->hasText()) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* editor = qobject_cast<QsciScintilla*>(focus)) {
      editor->paste();
      window_.SetPendingEdits(true);
    } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
      field->paste();
      if (IsScheduleField(area)) {
        int corrections = 0;
        window_.propertyPages().schedulePage().ValidateField(
            static_cast<int>(area) - static_cast<int>(FocusArea::Minute) + 1, corrections);
        window_.SetPendingEdits(true);
      }
      if (area == FocusArea::NameEditor) window_.UpdateCaption(true);
    }
  }
  window_.RequestCommandRefresh();
}

void EditCommands::SelectAllCommand() {
  ConnectionTree& tree = window_.tree();
  QWidget* focus = QApplication::focusWidget();
  if (window_.focusArea() == FocusArea::Tree) {
    // With unapplied edits the apply question comes first; Cancel selects nothing.
    TreeNode* current = tree.currentNode();
    if (!window_.HasPendingEdits() || !current ||
        window_.propertyPages().resolvePendingEdits(current->data.Name))
      tree.selectAll();
  } else if (auto* editor = qobject_cast<QsciScintilla*>(focus)) {
    editor->selectAll();
  } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    field->selectAll();
  }
  window_.RequestCommandRefresh();
}

}  // namespace skelder

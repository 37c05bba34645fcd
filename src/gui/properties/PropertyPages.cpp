#include "gui/properties/PropertyPages.h"

#include <Qsci/qsciscintilla.h>

#include "core/properties/NodeProperties.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "gui/tree/EditCommands.h"
#include "gui/app/MainWindow.h"
#include "gui/properties/SettingsPages.h"
#include "gui/ui/StatusPanels.h"
#include "gui/properties/SchedulePage.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/SystemLocale.h"

namespace skelder {

namespace {

// Sets an editor's text without the change counting as the user's.
void LoadEditor(QsciScintilla* editor, const QString& text) {
  const bool blocked = editor->blockSignals(true);
  editor->setText(text);
  editor->blockSignals(blocked);
}

}  // namespace

PropertyPages::PropertyPages(MainWindow& window, ConnectionPages& pages)
    : QObject(&window), window_(window), pages_(pages) {
  window_.tree().addObserver(this);
  for (QsciScintilla* editor : {pages_.Memo1, pages_.Memo2})
    connect(editor, &QsciScintilla::textChanged, this, [this, editor] { userEdit(editor); });
  connect(pages_.cbLogSession, &QCheckBox::clicked, this,
          [this] { userEdit(pages_.cbLogSession); });
  schedule_ = new SchedulePage(window_, pages_);
  colors_ = new ColorsPage(window_, pages_);
  connect(window_.settingsPages().cbNoColors, &QCheckBox::toggled, this,
          &PropertyPages::showColorsPanelText);
}

PropertyPages::~PropertyPages() { window_.tree().removeObserver(this); }

// An edit counts only when the user made it: the control has the keyboard focus.
void PropertyPages::userEdit(QWidget* control) {
  if (!control->hasFocus()) return;
  window_.SetPendingEdits(true);
  window_.RequestCommandRefresh();
}

void PropertyPages::showLastUpdated(const std::string& stamp) {
  StatusPanels& status = window_.statusPanels();
  if (!stamp.empty() && !status.text(1).contains(FromLocal(stamp)))
    status.setText(1, QStringLiteral("  Last updated: ") + FromLocal(stamp));
}

void PropertyPages::ShowNodeProperties() {
  ConnectionTree& tree = window_.tree();
  if (tree.loading() || window_.HasPendingEdits()) return;
  window_.statusPanels().setText(1, QString());
  coverText_ = FromLocal(PagesCoverText(tree));
  covered_ = !coverText_.isEmpty();
  if (!covered_) {
    const TreeNode* node = tree.focusedNode();
    const rVTNodeData& data = node->data;
    // The editor takes the node's colours even when its macro is the text shown already.
    colors_->SetEditorColors();
    const QString macro = FromLocal(TrimText(DecodeNodeText(data.Macro)));
    if (macro != pages_.Memo1->text()) LoadEditor(pages_.Memo1, macro);
    showLastUpdated(data.LastUpdated);
    if (pages_.cbLogSession->isChecked() != (data.StartLogging != 0))
      pages_.cbLogSession->setChecked(data.StartLogging != 0);
    const QString popup = FromLocal(DecodeNodeText(data.Popup));
    if (popup != pages_.Memo2->text()) LoadEditor(pages_.Memo2, popup);
    colors_->LoadColors(data.Colors);
    schedule_->Load(data.Schedule);
  }
  for (CoverablePage* page : {pages_.macroPage, pages_.popupPage, pages_.schedulePage})
    page->setPanelText(coverText_);
  showColorsPanelText();
  UpdateActivePanel(window_.currentPage());
}

// Also when colour support is switched while edits are pending and the pages stay as
// they are.
void PropertyPages::showColorsPanelText() {
  const bool noColors = window_.settingsPages().cbNoColors->isChecked();
  pages_.colorsPage->setPanelText(noColors ? QStringLiteral("Color support is disabled")
                                           : coverText_);
}

void PropertyPages::UpdateActivePanel(int page) {
  switch (page) {
    case 1:
      pages_.macroPage->setCovered(covered_);
      break;
    case 2:
      pages_.popupPage->setCovered(covered_);
      break;
    case 3:
      pages_.colorsPage->setCovered(covered_ || window_.settingsPages().cbNoColors->isChecked());
      break;
    case 4:
      pages_.schedulePage->setCovered(covered_);
      break;
    default:
      break;
  }
}

void PropertyPages::ApplyNodeProperties(TreeNode* node) {
  if (!node) return;
  if (node->hasCutMark()) window_.editCommands().CancelCutOrCopy();
  PageContents contents;
  contents.macroText = ToLocal(pages_.Memo1->text());
  contents.popupText = ToLocal(pages_.Memo2->text());
  contents.colors = FormatColorString(colors_->workingColors());
  contents.scheduled = schedule_->scheduled();
  if (contents.scheduled) schedule_->Verify(false);  // corrected silently before storing
  contents.scheduleFields = schedule_->fields();
  contents.startLogging = pages_.cbLogSession->isChecked();
  const std::string stamp = FormatLastUpdated(window_.clock().now(), SystemLocaleNames());
  ApplyPageContents(node->data, contents, stamp);
  showLastUpdated(node->data.LastUpdated);
  window_.tree().notifyChanged(node);
  window_.UpdateCaption(true);
  window_.SetPendingEdits(false);
  colors_->SetEditorColors();
  window_.RequestCommandRefresh();
}

bool PropertyPages::resolvePendingEdits(const std::string& name) {
  const MessageAnswer answer = window_.dialogs().messageBox(
      MessageKind::Warning, MessageButtons::YesNoCancel,
      "Do you want to apply the changes made to " + std::string(" '") + name + "' ?");
  lastCancelled_ = answer == MessageAnswer::Cancel;
  if (answer == MessageAnswer::Yes) ApplyNodeProperties(window_.tree().focusedNode());
  if (answer == MessageAnswer::No) window_.SetPendingEdits(false);
  return !lastCancelled_;
}

bool PropertyPages::FocusChangeAllowed(TreeNode* newNode) {
  ConnectionTree& tree = window_.tree();
  if (tree.loading() || newNode == tree.currentNode() || !window_.HasPendingEdits()) return true;
  TreeNode* old = tree.currentNode();
  const QString macro = pages_.Memo1->text();
  const QString popup = pages_.Memo2->text();
  const bool logging = pages_.cbLogSession->isChecked();
  const std::string colors = FormatColorString(colors_->workingColors());
  if (resolvePendingEdits(old ? old->data.Name : std::string())) return true;
  // Cancel: the old node stays, with its unapplied edits.
  for (auto [editor, text] : {std::pair{pages_.Memo1, macro}, std::pair{pages_.Memo2, popup}}) {
    editor->setEnabled(false);
    LoadEditor(editor, text);
    editor->setEnabled(true);
  }
  pages_.cbLogSession->setChecked(logging);
  if (old) showLastUpdated(old->data.LastUpdated);
  colors_->LoadColors(colors);
  colors_->SetEditorColors();
  return false;
}

bool PropertyPages::collapseAllowed(const TreeNode* node) {
  ConnectionTree& tree = window_.tree();
  if (!SubtreeHoldsCurrentNode(tree, node, window_.HasPendingEdits())) return true;
  return resolvePendingEdits(tree.currentNode()->data.Name);
}

}  // namespace skelder

#include "gui/properties/PropertyPages.h"

#include <Qsci/qsciscintilla.h>
#include <QTabWidget>

#include "core/app/TableDocument.h"
#include "core/properties/NodeProperties.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/SchedulePage.h"
#include "gui/properties/SettingsPages.h"
#include "gui/tree/EditCommands.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/ProgramServices.h"
#include "gui/ui/StatusPanels.h"
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

PropertyPages::PropertyPages(const PropertyPagesParts& parts, QObject* parent)
    : QObject(parent), parts_(parts), tree_(parts.tree), pages_(parts.pages) {
  tree_.addObserver(this);
  for (QsciScintilla* editor : {pages_.Memo1, pages_.Memo2})
    connect(editor, &QsciScintilla::textChanged, this, [this, editor] { userEdit(editor); });
  connect(pages_.cbLogSession, &QCheckBox::clicked, this,
          [this] { userEdit(pages_.cbLogSession); });
  schedule_ = new SchedulePage(pages_, parts_.pending, parts_.services.dialogs, this);
  colors_ = new ColorsPage(pages_, parts_.settings, parts_.coloring, tree_, parts_.pending,
                           parts_.services.programFolder, this);
  connect(schedule_, &SchedulePage::statesChanged, this, &PropertyPages::statesChanged);
  connect(colors_, &ColorsPage::statesChanged, this, &PropertyPages::statesChanged);
  connect(&parts_.settings, &SettingsPages::colorSupportChanged, this,
          &PropertyPages::showColorsPanelText);
}

PropertyPages::~PropertyPages() { tree_.removeObserver(this); }

// An edit counts only when the user made it: the control has the keyboard focus.
void PropertyPages::userEdit(QWidget* control) {
  if (!control->hasFocus()) return;
  parts_.pending.set(true);
  emit statesChanged();
}

void PropertyPages::showLastUpdated(const std::string& stamp) {
  StatusPanels& status = parts_.status;
  if (!stamp.empty() && !status.text(1).contains(FromLocal(stamp)))
    status.setText(1, QStringLiteral("  Last updated: ") + FromLocal(stamp));
}

void PropertyPages::ShowNodeProperties() {
  ConnectionTree& tree = tree_;
  if (tree.loading() || parts_.pending.any()) return;
  parts_.status.setText(1, QString());
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
  UpdateActivePanel(parts_.pageArea.currentIndex());
}

// Also when colour support is switched while edits are pending and the pages stay as
// they are.
void PropertyPages::showColorsPanelText() {
  const bool noColors = parts_.settings.colorsDisabled();
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
      pages_.colorsPage->setCovered(covered_ || parts_.settings.colorsDisabled());
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
  if (node->hasCutMark()) EditCommands::CancelCutOrCopy(tree_);
  PageContents contents;
  contents.macroText = ToLocal(pages_.Memo1->text());
  contents.popupText = ToLocal(pages_.Memo2->text());
  contents.colors = FormatColorString(colors_->workingColors());
  contents.scheduled = schedule_->scheduled();
  if (contents.scheduled) schedule_->Verify(false);  // corrected silently before storing
  contents.scheduleFields = schedule_->fields();
  contents.startLogging = pages_.cbLogSession->isChecked();
  const std::string stamp = FormatLastUpdated(parts_.services.clock.now(), SystemLocaleNames());
  ApplyPageContents(node->data, contents, stamp);
  showLastUpdated(node->data.LastUpdated);
  tree_.notifyChanged(node);
  parts_.document.setModified(true);
  parts_.pending.set(false);
  colors_->SetEditorColors();
  emit statesChanged();
}

bool PropertyPages::resolvePendingEdits(const std::string& name) {
  const MessageAnswer answer = parts_.services.dialogs.messageBox(
      MessageKind::Warning, MessageButtons::YesNoCancel,
      "Do you want to apply the changes made to " + std::string(" '") + name + "' ?");
  lastCancelled_ = answer == MessageAnswer::Cancel;
  if (answer == MessageAnswer::Yes) ApplyNodeProperties(tree_.focusedNode());
  if (answer == MessageAnswer::No) parts_.pending.set(false);
  return !lastCancelled_;
}

bool PropertyPages::FocusChangeAllowed(TreeNode* newNode) {
  ConnectionTree& tree = tree_;
  if (tree.loading() || newNode == tree.currentNode() || !parts_.pending.any()) return true;
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
  if (!SubtreeHoldsCurrentNode(tree_, node, parts_.pending.any())) return true;
  return resolvePendingEdits(tree_.currentNode()->data.Name);
}

bool PropertyPages::SettlePendingEdits() {
  const TreeNode* current = tree_.currentNode();
  return !parts_.pending.any() || !current || resolvePendingEdits(current->data.Name);
}

}  // namespace skelder

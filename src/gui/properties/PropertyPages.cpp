#include "gui/properties/PropertyPages.h"

#include <Qsci/qsciscintilla.h>
#include <QTabWidget>

#include "core/app/TableDocument.h"
#include "core/properties/NodeProperties.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeTextEncoding.h"
#include "core/tree/TreeState.h"
#include "gui/editor/MacroEditor.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/LoadedText.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PendingEdits.h"
#include "gui/properties/PopupPage.h"
#include "gui/properties/PreviewPage.h"
#include "gui/properties/SchedulePage.h"
#include "gui/properties/SettingsPages.h"
#include "gui/tree/EditCommands.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/ProgramServices.h"
#include "gui/ui/StatusPanels.h"
#include "gui/ui/SystemLocale.h"

namespace skelder {

PropertyPages::PropertyPages(const PropertyPagesParts& parts, QObject* parent)
    : QObject(parent), parts_(parts), tree_(parts.tree) {
  tree_.addObserver(this);
  for (QsciScintilla* editor :
       std::initializer_list<QsciScintilla*>{parts_.macro.Memo1, parts_.popup.Memo2})
    connect(editor, &QsciScintilla::textChanged, this, [this, editor] { userEdit(editor); });
  QCheckBox* logging = parts_.macro.cbLogSession;
  connect(logging, &QCheckBox::clicked, this, [this, logging] { userEdit(logging); });
  connect(&parts_.settings.macroEditor(), &MacroEditorSettingsPage::colorSupportChanged, this,
          &PropertyPages::showColorsPanelText);
}

ColorSet& PropertyPages::workingColors() { return parts_.colors.workingColors(); }

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
    parts_.colors.SetEditorColors();
    const QString macro = FromLocal(TrimText(DecodeNodeText(data.Macro)));
    parts_.macro.Load(macro, data.StartLogging != 0);
    showLastUpdated(data.LastUpdated);
    parts_.popup.Load(FromLocal(DecodeNodeText(data.Popup)));
    parts_.colors.LoadColors(data.Colors);
    parts_.schedule.Load(data.Schedule);
  }
  for (CoverablePage* page : std::initializer_list<CoverablePage*>{
           &parts_.macro, &parts_.popup, &parts_.schedule, &parts_.preview})
    page->setPanelText(coverText_);
  showColorsPanelText();
  UpdateActivePanel(parts_.pageArea.currentIndex());
}

// Also when colour support is switched while edits are pending and the pages stay as
// they are.
void PropertyPages::showColorsPanelText() {
  const bool noColors = parts_.settings.colorsDisabled();
  parts_.colors.setPanelText(noColors ? QStringLiteral("Color support is disabled") : coverText_);
}

void PropertyPages::UpdateActivePanel(int page) {
  switch (page) {
    case 1:
      parts_.macro.setCovered(covered_);
      break;
    case 2:
      parts_.popup.setCovered(covered_);
      break;
    case 3:
      parts_.colors.setCovered(covered_ || parts_.settings.colorsDisabled());
      break;
    case 4:
      parts_.schedule.setCovered(covered_);
      break;
    case 5:
      parts_.preview.Cover(covered_);
      break;
    default:
      break;
  }
}

void PropertyPages::ApplyNodeProperties(TreeNode* node) {
  if (!node) return;
  if (node->hasCutMark()) EditCommands::CancelCutOrCopy(tree_);
  PageContents contents;
  SchedulePage& schedule = parts_.schedule;
  contents.macroText = ToLocal(parts_.macro.macroText());
  contents.popupText = ToLocal(parts_.popup.popupText());
  contents.colors = FormatColorString(parts_.colors.workingColors());
  contents.scheduled = schedule.scheduled();
  if (contents.scheduled) schedule.Verify(false);  // corrected silently before storing
  contents.scheduleFields = schedule.fields();
  contents.startLogging = parts_.macro.startLogging();
  const std::string stamp = FormatLastUpdated(parts_.services.clock.now(), SystemLocaleNames());
  ApplyPageContents(node->data, contents, stamp);
  showLastUpdated(node->data.LastUpdated);
  tree_.notifyChanged(node);
  parts_.document.setModified(true);
  parts_.pending.set(false);
  parts_.colors.SetEditorColors();
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
  const QString macro = parts_.macro.macroText();
  const QString popup = parts_.popup.popupText();
  const bool logging = parts_.macro.startLogging();
  const std::string colors = FormatColorString(parts_.colors.workingColors());
  if (resolvePendingEdits(old ? old->data.Name : std::string())) return true;
  // Cancel: the old node stays, with its unapplied edits.
  for (auto [editor, text] : {std::pair<QsciScintilla*, QString>{parts_.macro.Memo1, macro},
                              std::pair<QsciScintilla*, QString>{parts_.popup.Memo2, popup}}) {
    editor->setEnabled(false);
    LoadEditorText(*editor, text);
    editor->setEnabled(true);
  }
  parts_.macro.cbLogSession->setChecked(logging);
  if (old) showLastUpdated(old->data.LastUpdated);
  parts_.colors.LoadColors(colors);
  parts_.colors.SetEditorColors();
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

#include "gui/editor/EditorOptions.h"

#include <Qsci/qsciscintilla.h>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "gui/editor/StoredFont.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/properties/MacroEditorSettingsPage.h"
#include "gui/ui/ProgramServices.h"

namespace skelder {

namespace {

// Moves the focus on along the tab chain, as Tab does in a dialog.
void FocusNext(QWidget* from, bool forward) {
  QWidget* next = from;
  do {
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  } while (next != from &&
           !(next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)));
  next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// The editor control takes a font for its text only while no highlighter is attached;
// the widget keeps it all the same, for the time without one.
void SetEditorFont(QsciScintilla* editor, const QFont& font) {
  editor->QWidget::setFont(font);
  editor->setFont(font);
}

}  // namespace

EditorOptions::EditorOptions(const EditorOptionsControls& controls, TtlHighlighter& ttm,
                             const ProgramServices& services, QObject* parent)
    : QObject(parent), controls_(controls), services_(services), ttm_(ttm) {
  MacroEditorSettingsPage& page = controls_.page;
  QsciScintilla* macro = &controls_.macro;
  macro->setAutoIndent(true);
  macro->setTabIndents(true);
  macro->installEventFilter(this);
  QsciScintilla* popup = &controls_.popup;
  popup->setIndentationsUseTabs(false);
  popup->setTabIndents(true);
  popup->setBackspaceUnindents(true);
  page.Button3->setEnabled(true);
  controls_.menuFont.setEnabled(true);
  connect(page.Button3, &QPushButton::clicked, this, &EditorOptions::ChangeEditorFont);
  connect(&controls_.menuFont, &QPushButton::clicked, this, &EditorOptions::ChangeMenuFont);
  connect(&page, &MacroEditorSettingsPage::tabOptionsChanged, this,
          &EditorOptions::applyTabOptions);
  applyTabOptions();
}

void EditorOptions::StoreShowSpecialChars(bool shown) {
  if (auto key = services_.platform.settings->openKey(kSettingsKeyPath, true))
    key->writeInteger("ShowSpecial", shown ? 1 : 0);
}

void EditorOptions::ShowSettings(const Settings& settings) {
  editorFont_ = settings.editorFont;
  popupFont_ = settings.popupFont;
  menuFont_ = settings.menuFont;
  applyEditorFonts();
  applyMenuFont();
  ShowSpecialChars(settings.showSpecial);
}

void EditorOptions::ReadSettings(Settings& settings) const {
  settings.editorFont = editorFont_;
  settings.popupFont = popupFont_;
  settings.menuFont = menuFont_;
}

void EditorOptions::applyTabOptions() {
  const MacroEditorSettingsPage& page = controls_.page;
  QsciScintilla* macro = &controls_.macro;
  macro->setTabWidth(page.CBSpacePerTAB->currentIndex() + 2);
  macro->setIndentationsUseTabs(!page.cbTAB2Space->isChecked());
  // Smart tabs and smart tab delete go together.
  macro->setTabIndents(page.cbSmartTAB->isChecked());
  macro->setBackspaceUnindents(page.cbSmartTAB->isChecked());
}

// The highlighter carries the font of the editors it colours; the macro editor keeps it
// for the connection colours too.
void EditorOptions::applyEditorFonts() {
  const QFont font = ScreenFontOf(editorFont_);
  SetEditorFont(&controls_.macro, font);
  SetEditorFont(&controls_.preview, font);
  ttm_.setFont(font);
  SetEditorFont(&controls_.popup, ScreenFontOf(popupFont_));
}

void EditorOptions::applyMenuFont() {
  const QFont font = ScreenFontOf(menuFont_);
  QMenuBar* bar = &controls_.menus;
  bar->setFont(font);
  for (QMenu* menu : bar->findChildren<QMenu*>()) menu->setFont(font);
}

void EditorOptions::ChangeEditorFont() {
  const auto font = services_.dialogs.fontDialog({editorFont_, true, false});
  if (!font) return;
  editorFont_ = *font;
  popupFont_.name = font->name;
  popupFont_.charSet = font->charSet;
  applyEditorFonts();
}

void EditorOptions::ChangeMenuFont() {
  const auto font = services_.dialogs.fontDialog({menuFont_, false, true});
  if (!font) return;
  menuFont_ = *font;
  applyMenuFont();
}

void EditorOptions::ShowSpecialChars(bool shown) {
  for (QsciScintilla* editor : {&controls_.macro, &controls_.preview}) {
    editor->setWhitespaceVisibility(shown ? QsciScintilla::WsVisible : QsciScintilla::WsInvisible);
    editor->setEolVisibility(shown);
  }
}

// Without "Enable TABs" the Tab key leaves the macro editor.
bool EditorOptions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !controls_.page.tabsAllowed()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      FocusNext(static_cast<QWidget*>(watched),
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace skelder

#include "gui/editor/EditorColoring.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <QFocusEvent>
#include <QLabel>

#include "core/base/ProgramFolder.h"
#include "core/properties/ColorEditing.h"
#include "core/properties/ColorSchemas.h"
#include "core/tree/ConnectionTree.h"
#include "gui/properties/MacroEditorSettingsPage.h"

namespace skelder {

namespace {

QColor ScreenColor(std::uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

std::uint32_t ScreenColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) +
         256u * static_cast<std::uint32_t>(color.green()) +
         65536u * static_cast<std::uint32_t>(color.blue());
}

}  // namespace

EditorColoring::EditorColoring(QsciScintilla* editor, const MacroEditorSettingsPage& options,
                               QsciScintilla& preview, const ConnectionTree& tree,
                               std::string programFolder)
    : QObject(editor),
      options_(options),
      tree_(tree),
      programFolder_(std::move(programFolder)),
      editor_(editor),
      preview_(&preview),
      gutterWidth_(editor->marginWidth(0)) {
  QWidget* highlighterPage = preview_->parentWidget();
  notice_ =
      new QLabel(QStringLiteral("Syntax Highlighting is disabled from Macro Editor settings page"),
                 highlighterPage);
  notice_->setObjectName(QStringLiteral("HighlighterNotice"));
  notice_->setAlignment(Qt::AlignCenter);
  notice_->setWordWrap(true);
  notice_->setAutoFillBackground(true);
  notice_->hide();
  highlighterPage->installEventFilter(this);
  editor_->installEventFilter(this);
}

bool EditorColoring::connectionColors() const { return options_.colorsInEditor(); }

void EditorColoring::setHighlighter(QsciLexer* highlighter) {
  highlighter_ = highlighter;
  SetEditorColors();
}

void EditorColoring::SetEditorColors() {
  // Attaching a highlighter styles the whole text again, so it is done only on a change.
  QsciLexer* lexer = connectionColors() ? nullptr : highlighter_.data();
  if (editor_->lexer() != lexer) {
    editor_->setLexer(lexer);
    // Without a highlighter the text is drawn in the editor's own font again.
    if (!lexer) editor_->setFont(editor_->font());
  }
  if (connectionColors()) {
    showGutter(false);
    // The colours as stored with the node: unapplied edits on the Colors page are not shown.
    const std::string teraTerm = TeraTermIniColors(FindProgramFile(programFolder_, "teraterm.ini"));
    const ColorSet stored = ResolveColors(NodeColorString(tree_.focusedNode(), teraTerm), teraTerm);
    connectionBackground_ = ScreenColor(stored.screenColor(ColorIndex(0, true, 0)));
    editor_->setColor(ScreenColor(stored.screenColor(ColorIndex(0, false, 0))));
    editor_->setPaper(connectionBackground_);
    showNotice(true);
  } else {
    showGutter(true);
    // Without a highlighter the text takes the preview's plain colours.
    if (!highlighter_) editor_->setColor(preview_->color());
    editor_->setPaper(preview_->paper());
    showNotice(false);
  }
  if (editor_->hasFocus()) editor_->setCaretLineBackgroundColor(caretLineColor());
}

QColor EditorColoring::caretLineColor() const {
  if (connectionColors()) return ScreenColor(CaretLineColor(ScreenColor(connectionBackground_)));
  // The active-line colour of the highlighter settings, which the preview shows.
  const auto back =
      static_cast<std::uint32_t>(preview_->SendScintilla(QsciScintillaBase::SCI_GETCARETLINEBACK));
  return ScreenColor(back);
}

void EditorColoring::showGutter(bool shown) {
  if (!shown && editor_->marginWidth(0) > 0) gutterWidth_ = editor_->marginWidth(0);
  if (shown && gutterWidth_ <= 0)
    editor_->setMarginWidth(0, QStringLiteral("000"));
  else
    editor_->setMarginWidth(0, shown ? gutterWidth_ : 0);
}

// The notice covers the "Highlighter" page, whose controls take no input meanwhile.
void EditorColoring::showNotice(bool shown) {
  QWidget* page = notice_->parentWidget();
  for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child != notice_) child->setEnabled(!shown);
  notice_->setGeometry(page->rect());
  notice_->setVisible(shown);
  notice_->raise();
}

bool EditorColoring::eventFilter(QObject* watched, QEvent* event) {
  // While the editor is destroyed it loses the focus as a plain widget, no longer an editor.
  if (watched == editor_ && qobject_cast<QsciScintilla*>(watched)) {
    if (event->type() == QEvent::FocusIn) {
      editor_->setCaretLineBackgroundColor(caretLineColor());
      editor_->setCaretLineVisible(true);
    } else if (event->type() == QEvent::FocusOut) {
      // A menu or another program taking the focus for a while does not leave the editor.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        editor_->setCaretLineVisible(false);
    }
  } else if (event->type() == QEvent::Resize && notice_ && watched == notice_->parentWidget()) {
    notice_->setGeometry(notice_->parentWidget()->rect());
  }
  return false;
}

}  // namespace skelder

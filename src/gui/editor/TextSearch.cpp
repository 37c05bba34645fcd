#include "gui/editor/TextSearch.h"

#include <Qsci/qsciscintilla.h>

#include "core/base/UserDialogs.h"
#include "gui/editor/SearchDialog.h"
#include "gui/properties/PendingEdits.h"
#include "gui/ui/LocalText.h"
#include "gui/ui/StatusPanels.h"

namespace skelder {

TextSearch::TextSearch(QWidget& window, QsciScintilla& editor, StatusPanels& status,
                       PendingEdits& pending, UserDialogs& dialogs)
    : QObject(&window),
      window_(window),
      editor_(editor),
      status_(status),
      pending_(pending),
      dialogs_(dialogs) {
  runDialog = [](SearchDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
}

TextSearch::~TextSearch() = default;

void TextSearch::ShowDialog(bool replace) {
  SearchDialog dialog(replace, &window_);
  int lineFrom = 0, indexFrom = 0, lineTo = 0, indexTo = 0;
  editor_.getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
  const std::string selection = ToLocal(editor_.selectedText());
  dialog.Show(state_, InitialSearchText(state_, selection, lineFrom == lineTo));
  if (!runDialog(dialog)) return;
  dialog.Take(state_);
  if (!state_.searchText.empty()) {
    Search(replace, state_.backwards);
    state_.continueFromCaret = true;
  }
}

// Selects the next occurrence from the caret (or from the start of the scope).
bool TextSearch::find(bool backwards, bool fromStart) {
  const QString text = FromLocal(state_.searchText);
  if (state_.selectedOnly && editor_.hasSelectedText())
    return editor_.findFirstInSelection(text, state_.regularExpression, state_.caseSensitive,
                                        state_.wholeWords, !backwards);
  int line = -1, index = -1;
  if (fromStart) {
    line = backwards ? std::max(0, editor_.lines() - 1) : 0;
    index = backwards ? static_cast<int>(editor_.text(line).size()) : 0;
  } else if (backwards && editor_.hasSelectedText()) {
    int toLine = 0, toIndex = 0;
    editor_.getSelection(&line, &index, &toLine, &toIndex);  // before the current occurrence
  }
  return editor_.findFirst(text, state_.regularExpression, state_.caseSensitive, state_.wholeWords,
                           false, !backwards, line, index);
}

ReplaceAnswer TextSearch::ask() {
  if (confirmReplace) return confirmReplace(FromLocal(state_.searchText));
  if (!confirm_) confirm_ = std::make_unique<ConfirmReplaceDialog>(&window_);
  // Beside the occurrence, inside the window's client area.
  int line = 0, index = 0, toLine = 0, toIndex = 0;
  editor_.getSelection(&line, &index, &toLine, &toIndex);
  const long position = editor_.positionFromLineIndex(line, index);
  const QPoint at = editor_.viewport()->mapToGlobal(QPoint(
      static_cast<int>(editor_.SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, position)),
      static_cast<int>(
          editor_.SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, position))));
  const int lineHeight = static_cast<int>(
      editor_.SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, static_cast<unsigned long>(line)));
  const QRect client(window_.mapToGlobal(QPoint(0, 0)), window_.size());
  const ScreenRect place =
      ConfirmBoxPlace(at.x(), at.y(), at.y() + lineHeight, confirm_->width(), confirm_->height(),
                      ScreenRect{client.left(), client.top(), client.width(), client.height()});
  confirm_->move(place.left, place.top);
  return confirm_->Ask(FromLocal(state_.searchText));
}

void TextSearch::Search(bool replace, bool backwards) {
  status_.setText(1, QString());
  const bool fromStart = !state_.continueFromCaret;
  int found = 0;
  if (!replace) {
    found = find(backwards, fromStart) ? 1 : 0;
  } else {
    const QString replacement = FromLocal(state_.replaceText);
    bool all = false;
    for (bool more = find(backwards, fromStart); more; more = editor_.findNext()) {
      ++found;
      if (state_.searchText == state_.replaceText) continue;  // nothing would change
      const ReplaceAnswer answer = all ? ReplaceAnswer::Replace : ask();
      if (answer == ReplaceAnswer::Cancel) break;
      if (answer == ReplaceAnswer::Skip) continue;
      if (answer == ReplaceAnswer::ReplaceAll) all = true;
      editor_.replace(replacement);
    }
    confirm_.reset();
    if (found > 0) pending_.set(true);
  }
  if (found == 0) {
    dialogs_.messageBox(MessageKind::Warning, MessageButtons::Ok, "Search string not found");
    int line = 0, index = 0, toLine = 0, toIndex = 0;
    editor_.getSelection(&line, &index, &toLine, &toIndex);
    if (line >= 0) {
      if (backwards)
        editor_.setCursorPosition(line, index);
      else
        editor_.setCursorPosition(toLine, toIndex);
    }
  }
}

}  // namespace skelder

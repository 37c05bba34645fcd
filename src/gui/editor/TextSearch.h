#pragma once
// "Find", "Find Next", "Find Previous" and "Replace" in the macro editor, with the search
// state kept for the whole run.
#include <QObject>
#include <functional>
#include <memory>

#include "core/editor/SearchState.h"
#include "gui/editor/ConfirmReplaceDialog.h"

class QsciScintilla;

namespace skelder {

class PendingEdits;
class SearchDialog;
class StatusPanels;
class UserDialogs;

class TextSearch : public QObject {
  Q_OBJECT
 public:
  // The dialogs are placed over the window; a search clears the "Last updated" panel, and
  // replacements are pending edits.
  TextSearch(QWidget& window, QsciScintilla& editor, StatusPanels& status, PendingEdits& pending,
             UserDialogs& dialogs);
  ~TextSearch() override;

  void ShowDialog(bool replace);
  void Search(bool replace, bool backwards);
  const SearchState& state() const { return state_; }

  // How the dialogs are answered: by the real dialogs unless a test puts its own here.
  std::function<bool(SearchDialog& dialog)> runDialog;
  std::function<ReplaceAnswer(const QString& searchText)> confirmReplace;

 private:
  bool find(bool backwards, bool fromStart);
  ReplaceAnswer ask();

  QWidget& window_;
  QsciScintilla& editor_;
  StatusPanels& status_;
  PendingEdits& pending_;
  UserDialogs& dialogs_;
  SearchState state_;
  std::unique_ptr<ConfirmReplaceDialog> confirm_;
};

}  // namespace skelder

#pragma once
// The completion proposal SCP of the macro editor: Ctrl+Space, or a pause after ".",
// lists the entries of "SynComp.pro" that match the word typed so far; the chosen entry's
// insert text replaces that word.
#include <QObject>
#include <QTimer>
#include <string>

#include "core/editor/CompletionList.h"

class QsciScintilla;

namespace skelder {

class UserDialogs;

class CompletionProposal : public QObject {
  Q_OBJECT
 public:
  CompletionProposal(QsciScintilla* editor, UserDialogs& dialogs);

  // Reads the list of the file; a missing file leaves it empty, without a message.
  void LoadList(const std::string& path);
  const CompletionList& list() const { return list_; }
  // Opens the pop-up for the word before the caret; with an empty list only the warning.
  void Open();
  // The entries shown by the open pop-up, as indices into the list.
  const std::vector<int>& shown() const { return shown_; }
  QTimer* triggerTimer() const { return timer_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void complete(int id, const QString& text);
  std::string typedWord(int* start) const;

  QsciScintilla* editor_;
  UserDialogs& dialogs_;
  CompletionList list_;
  std::vector<int> shown_;
  int wordStart_ = 0;
  QTimer* timer_;
};

}  // namespace skelder

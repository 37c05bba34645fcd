#pragma once
// Help: the current help file of the program folder and its topics by context number,
// shown by the HTML Help viewer; the two entries of the Help menu; Ctrl+F1 in the macro
// editor for the word at the caret.
#include <QObject>
#include <string>

class QsciScintilla;

namespace skelder {

class TtlHighlighter;
struct ProgramServices;

class HelpViewer : public QObject {
  Q_OBJECT
 public:
  HelpViewer(QsciScintilla& editor, const TtlHighlighter& ttm, const ProgramServices& services,
             QObject* parent);

  // The file of that name in the program folder becomes the current help file; false,
  // after an error box, when it does not exist.
  bool SelectHelpFile(const std::string& name);
  // Selects the file only when it exists, without a box (at start).
  void SelectHelpFileQuietly(const std::string& name);
  void ShowTopic(int number);
  // Ctrl+F1: the help topic of the keyword at the caret.
  void ShowContextHelp();
  void ShowProductHelp();
  void ShowMacroHelp();

  const std::string& helpFile() const { return helpFile_; }
  // The macro editor's help context: the topic a help request in it shows.
  int helpContext() const { return helpContext_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string wordAtCaret() const;

  const ProgramServices& services_;
  const TtlHighlighter& ttm_;
  QsciScintilla* editor_;
  std::string helpFile_;
  int helpContext_;
};

}  // namespace skelder

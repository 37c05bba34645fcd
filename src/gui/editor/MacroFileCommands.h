#pragma once
// "Import macro ..." fills the macro editor from a TTL file; "Export macro ..." writes the
// focused connection's assembled macro to one.
#include <QObject>
#include <functional>
#include <string>

class QsciScintilla;

namespace skelder {

class UserDialogs;

class MacroFileCommands : public QObject {
  Q_OBJECT
 public:
  MacroFileCommands(QsciScintilla& editor, UserDialogs& dialogs, QObject* parent = nullptr);

  // Asked before an import replaces the editor's text: settles unapplied edits; false
  // when the user cancelled.
  std::function<bool()> settlePendingEdits;
  // Writes the macro as "Run branch" assembles it to the file; false after its box.
  std::function<bool(const std::string& path)> exportTo;

  void ImportMacro();
  void ExportMacro();

 signals:
  // The editor holds an imported macro: the connection has unapplied edits.
  void editorChanged();

 private:
  QsciScintilla& editor_;
  UserDialogs& dialogs_;
};

}  // namespace skelder

#pragma once
// The macro templates: the "Import macro Template" submenu built from the template file,
// the insertion of a template into the macro editor, and the template file's controls on
// the "Macro Editor" settings page ("Browse..." and "Reload Templates").
#include <QObject>
#include <string>

#include "core/editor/MacroTemplates.h"

class QLineEdit;
class QMenu;
class QPushButton;
class QsciScintilla;

namespace skelder {

class UserDialogs;

struct TemplateFileControls {
  QLineEdit& path;  // edtPath2Templates
  QPushButton& browse;
  QPushButton& reload;
};

class TemplateMenu : public QObject {
  Q_OBJECT
 public:
  TemplateMenu(QMenu& menu, QsciScintilla& editor, TemplateFileControls controls,
               UserDialogs& dialogs, QObject* parent = nullptr);

  // Reads the file named in the edit box into the store and rebuilds the submenu; a
  // missing or unreadable file keeps the items and bodies there are.
  void BuildTemplates();
  // Puts template k (an item's tag) into the editor in place of the selection.
  void InsertTemplate(int tag);

  const MacroTemplates& templates() const { return templates_; }

 signals:
  // The editor's text was changed by a template: the connection has unapplied edits.
  void editorChanged();

 private:
  void rebuildMenu();
  void browse();

  QMenu& menu_;
  QsciScintilla& editor_;
  TemplateFileControls controls_;
  UserDialogs& dialogs_;
  MacroTemplates templates_;
};

}  // namespace skelder

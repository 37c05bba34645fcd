#pragma once
// The "Colors" page over the program's working colour set: one attribute at a time (CB,
// or a click on its sample) with its text or background colour (RB3, RB4) on the three
// scroll bars, or all colours at once by a schema, "Reverse colors", one background for
// all attributes or the parent's colours. The user's colour edits are pending edits of
// the focused connection. The page also owns the colouring of the macro editor.
#include <QObject>
#include <string>

#include "core/properties/ColorSet.h"

namespace skelder {

class EditorColoring;
class MainWindow;
struct ConnectionPages;

class ColorsPage : public QObject {
  Q_OBJECT
 public:
  ColorsPage(MainWindow& window, ConnectionPages& pages);

  ColorSet& workingColors() { return working_; }
  // Loads a stored colour string (the Tera Term colours when it is not valid) into the
  // working set and shows it.
  void LoadColors(const std::string& colors);
  // Selects the schema in the list and takes its colours, as choosing it does.
  void ChooseSchema(int schema);
  // Brings the schema list, the samples, the scroll bars and their labels in line with
  // the working set.
  void ShowColors();
  void SetEditorColors();
  EditorColoring& editorColoring() { return *editor_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int attribute() const;
  bool background() const;
  std::string teraTermColors() const;
  void attributeChosen();
  void sampleClicked(int attribute);
  void barMoved(int component, int value);
  void schemaChosen(int schema);
  void reverseColors();
  void sameBackground();
  void parentColors();
  void colorSupportChanged(bool disabled);
  void edited();

  MainWindow& window_;
  ConnectionPages& pages_;
  ColorSet working_;
  EditorColoring* editor_;
};

}  // namespace skelder

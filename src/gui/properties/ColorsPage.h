#pragma once
// The "Colors" page over the program's working colour set: one attribute at a time (CB,
// or a click on its sample) with its text or background colour (RB3, RB4) on the three
// scroll bars, or all colours at once by a schema, "Reverse colors", one background for
// all attributes or the parent's colours. The user's colour edits are pending edits of
// the focused connection. The page also owns the colouring of the macro editor.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <string>

#include "gui/properties/CoverablePage.h"

#include "core/properties/ColorSet.h"

namespace skelder {

class ConnectionTree;
class EditorColoring;
class PendingEdits;
class SettingsPages;

class ColorsPage : public CoverablePage {
  Q_OBJECT
 public:
  // The settings pages give the colour options; the tree the focused connection, whose
  // parent "Parent colors" takes; the program folder Tera Term's settings file.
  ColorsPage(const SettingsPages& settings, EditorColoring& coloring, const ConnectionTree& tree,
             PendingEdits& pending, std::string programFolder, QWidget* parent);

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
  EditorColoring& editorColoring() { return editor_; }
  // Whether the four attributes have one background.
  bool oneBackground() const;

  QComboBox* CB;
  QRadioButton* RB3;
  QRadioButton* RB4;
  QScrollBar* S1;
  QScrollBar* S2;
  QScrollBar* S3;
  QLabel* lRed;
  QLabel* lGreen;
  QLabel* lBlue;
  std::array<QLabel*, 4> samples;  // pSampleNormal, pSampleBold, pSampleBlink, pSampleURL
  QComboBox* cbSchema;
  QPushButton* bReverse;
  QPushButton* bParentColors;
  QPushButton* bSameBkgrColor;

 signals:
  void statesChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildControls();
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

  const SettingsPages& settings_;
  const ConnectionTree& tree_;
  PendingEdits& pending_;
  std::string programFolder_;
  ColorSet working_;
  EditorColoring& editor_;
};

}  // namespace skelder

#pragma once
// The "Macro Editor" settings page: colour support and how the macro editor is coloured,
// the Tab options, the editor font and the macro template file.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/app/Settings.h"

namespace skelder {

class MacroEditorSettingsPage : public QWidget {
  Q_OBJECT
 public:
  explicit MacroEditorSettingsPage(QWidget* parent = nullptr);

  // The page's part of the settings record into its controls, and back.
  void Show(const Settings& settings);
  void Read(Settings& settings) const;

  bool colorsDisabled() const { return cbNoColors->isChecked(); }
  bool sameBackground() const { return cbSameBkgr->isChecked(); }
  bool colorsInEditor() const { return rbUseColorInEditor->isChecked(); }
  bool tabsAllowed() const { return cbAllowTAB->isChecked(); }

  QCheckBox* cbNoColors;
  QCheckBox* cbSameBkgr;
  QRadioButton* rbUseColorInEditor;
  QRadioButton* rbSyntax;
  QCheckBox* cbAllowTAB;
  QCheckBox* cbTAB2Space;
  QLabel* lblTabWidth;
  QComboBox* CBSpacePerTAB;
  QCheckBox* cbSmartTAB;
  QPushButton* Button3;
  QCheckBox* cbUseAsTTFont;
  QLineEdit* edtPath2Templates;
  QPushButton* btnBrowse;
  QPushButton* btnReloadTemplates;

 signals:
  void tabOptionsChanged();
  // "Disable color support" changed; the page has brought its own controls in line.
  void colorSupportChanged(bool disabled);
  // "Connection colors" or "Syntax highlighting" chosen for the macro editor.
  void editorColoringChanged();

 private:
  void enableTabsChanged();
  void colorSupportToggled(bool disabled);
};

}  // namespace skelder

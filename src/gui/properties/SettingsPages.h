#pragma once
// The "Settings" page of the main window: five sub-pages holding the controls of the
// settings record. ShowSettings puts a record into the controls (setting a check box
// runs its handler as a click would); ReadSettings writes the controls' values back into
// a record, leaving the values that no control shows as they are.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/app/Settings.h"

class QsciScintilla;

namespace skelder {

class SettingsPages : public QTabWidget {
  Q_OBJECT
 public:
  explicit SettingsPages(QWidget* parent = nullptr);

  void ShowSettings(const Settings& settings);
  void ReadSettings(Settings& settings) const;
  // The entries of cbDoubleClickAction as they stand.
  std::vector<std::string> doubleClickEntries() const;
  // Removes "start CygWin" and "lock the screen (W2K and XP)" where they do not apply.
  void TrimDoubleClickActions(bool cygwin, bool lockScreen);

  // What the other parts of the window read, as the controls show it now.
  bool colorsDisabled() const { return cbNoColors->isChecked(); }
  bool sameBackground() const { return cbSameBkgr->isChecked(); }
  bool colorsInEditor() const { return rbUseColorInEditor->isChecked(); }
  bool tabsAllowed() const { return cbAllowTAB->isChecked(); }
  bool autoSave() const { return cbAutoSave->isChecked(); }
  bool logNewConnections() const { return rbLog->isChecked(); }
  int defaultSchema() const { return cbDefColors->currentIndex(); }
  // Seconds between the starts of "Run all selected".
  int multiStartDelay() const { return CBDelay->currentIndex(); }

  // "General"
  QComboBox* cbDoubleClickAction;
  QComboBox* cbUpdateInterval;
  QCheckBox* cbSelectlast;
  QCheckBox* cbAutoSave;
  QCheckBox* cbRunOnStart;
  QCheckBox* cbAssociateExt;
  QComboBox* CBDelay;
  QCheckBox* cbDoNotTile;
  QCheckBox* cbDoNotPrompt;
  QCheckBox* cbFullPathMRU;
  QPushButton* Button4;
  // "User Data"
  QLineEdit* edtName;
  QLineEdit* edtEmail;
  QLineEdit* edtPhone;
  QLineEdit* edtMobile;
  QLineEdit* edtPager;
  // "Macro Editor"
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
  // "Highlighter"
  QListWidget* Elements;
  QCheckBox* cbElemBold;
  QCheckBox* cbElemItalic;
  QCheckBox* cbElemUnderline;
  QPushButton* btnChangeTTMColors;
  QPushButton* Button2;
  QsciScintilla* Memo3;
  // "New Connections"
  QRadioButton* rbLog;
  QRadioButton* rbDontLog;
  QComboBox* cbDefColors;

 signals:
  void fullPathMRUChanged(bool fullPath);
  // "Disable color support" changed; the page has brought its own controls in line.
  void colorSupportChanged(bool disabled);
  // "Connection colors" or "Syntax highlighting" chosen for the macro editor.
  void editorColoringChanged();
  void tabOptionsChanged();

 private:
  QWidget* buildGeneral();
  QWidget* buildUserData();
  QWidget* buildMacroEditor();
  QWidget* buildHighlighter();
  QWidget* buildNewConnections();
  void enableTabsChanged();
  void colorSupportToggled(bool disabled);
};

}  // namespace skelder

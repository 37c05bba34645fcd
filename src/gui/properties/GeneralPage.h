#pragma once
// The "General" settings page: the tray icon's double-click action, the update check
// interval, the options of closing, log-on and "Run all selected", and the menus.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

#include "core/app/Settings.h"

namespace skelder {

class GeneralPage : public QWidget {
  Q_OBJECT
 public:
  explicit GeneralPage(QWidget* parent = nullptr);

  // The page's part of the settings record into its controls, and back.
  void Show(const Settings& settings);
  void Read(Settings& settings) const;
  // The entries of cbDoubleClickAction as they stand.
  std::vector<std::string> doubleClickEntries() const;
  // Removes "start CygWin" and "lock the screen (W2K and XP)" where they do not apply.
  void TrimDoubleClickActions(bool cygwin, bool lockScreen);

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

 signals:
  void fullPathMRUChanged(bool fullPath);
};

}  // namespace skelder

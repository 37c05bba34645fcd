#pragma once
// The window's menus and toolbar over the shared command actions: the main menu, the
// context menu pmTV of the tree, the editors and the fields, the toolbar CBar, and the
// recently used tables at the end of the "File" menu.
#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

namespace skelder {

struct Commands;
class FocusAreas;

class MainMenus : public QObject {
  Q_OBJECT
 public:
  MainMenus(QMainWindow& window, Commands& commands, const FocusAreas& focus);

  QMenu& templateSubmenu() const { return *templateSubmenu_; }
  QToolBar& toolBar() const { return *CBar; }
  // pmTV instead of the control's own menu, so that its items act as the main menu's do.
  void attachContextMenu(QWidget* target);
  // The recent tables' captions, in their order, as the last items of the "File" menu.
  void ShowRecentFiles(const QStringList& captions);

 signals:
  // A menu is about to open: the command states must be current.
  void aboutToShow();
  // The "File" menu is about to open (its "Information for ..." item names the table).
  void fileMenuAboutToShow();
  void recentFileChosen(int index);
  // The toolbar's print button prints at once, without the print dialog.
  void printNowClicked();

 private:
  void buildMenus();
  void buildContextMenu();
  void buildToolBar();

  QMainWindow& window_;
  Commands& commands_;
  const FocusAreas& focus_;
  QMenu* fileMenu_;
  QMenu* templateSubmenu_;
  QMenu* pmTV_;
  QToolBar* CBar;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  QList<QPair<QAction*, QAction*>> treeItems_;  // pmTV's tree items and their commands
};

}  // namespace skelder

#pragma once
// The window's two panes: the tree VT under its filter box on the left and the page area
// PG on the right (the "Settings" pages and the connection pages) in the splitter
// Splitter1. It owns the
// tree layout (both panes, the tree hidden, the tree maximized) and which control a page
// gives the focus to.
#include <QObject>

class QMainWindow;
class QSplitter;
class QTabWidget;
class QWidget;

namespace skelder {

class ConnectionTree;
class ConnectionTreeModel;
class ConnectionTreeView;
class SettingsPages;
class ColorsPage;
class MacroPage;
class PopupPage;
class PreviewPage;
class SchedulePage;
class TreeFilterBar;

// The connection pages, made by the window for the page area.
struct ConnectionPageSet {
  MacroPage* macro;
  PopupPage* popup;
  ColorsPage* colors;
  SchedulePage* schedule;
  PreviewPage* preview;
};

enum class TreeLayout { Restored, Hidden, Maximized };

class WindowLayout : public QObject {
  Q_OBJECT
 public:
  WindowLayout(QMainWindow& window, ConnectionTreeModel& model, const ConnectionTree& tree);

  ConnectionTreeView& treeView() const { return *VT; }
  TreeFilterBar& filterBar() const { return *filterBar_; }
  QTabWidget& pageArea() const { return *PG; }
  SettingsPages& settingsPages() const { return *settingsPages_; }
  // The connection pages follow the "Settings" pages in the page area.
  void addConnectionPages(const ConnectionPageSet& pages);
  QSplitter& splitter() const { return *splitter_; }

  // Shows a page of the page area (and a settings page when given), the tree restored
  // first when it was maximized.
  void ShowPage(int page, int settingsPage = -1);
  void HideTree();
  void MaximizeTree();
  void RestoreTree();
  TreeLayout treeLayout() const { return layout_; }
  // The first control of the page showing takes the focus; the tree when it is covered.
  void FocusFirstControl();
  // After a resize: a narrower window takes its width from the page area first, then from
  // the tree, which keeps at least 215 pixels.
  void KeepTreeWidth();

  // The tree pane's width, 0 while it is hidden; and as the splitter holds it.
  int treeWidth() const;
  int splitterTreeWidth() const;
  bool pageAreaVisible() const;
  bool treePaneHidden() const;

 signals:
  void treeLayoutChanged(TreeLayout layout);

 private:
  void setLayout(TreeLayout layout);

  const ConnectionTree& tree_;
  QSplitter* splitter_;
  QWidget* treePane_;
  ConnectionTreeView* VT;
  TreeFilterBar* filterBar_;
  QTabWidget* PG;
  SettingsPages* settingsPages_;
  ConnectionPageSet pages_{};
  TreeLayout layout_ = TreeLayout::Restored;
  int rememberedTreeWidth_;
};

}  // namespace skelder

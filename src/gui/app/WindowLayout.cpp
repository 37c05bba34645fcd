#include "gui/app/WindowLayout.h"

#include <Qsci/qsciscintilla.h>
#include <QMainWindow>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/tree/ConnectionTree.h"
#include "gui/editor/MacroEditor.h"
#include "gui/properties/ColorsPage.h"
#include "gui/properties/MacroPage.h"
#include "gui/properties/PopupPage.h"
#include "gui/properties/PreviewPage.h"
#include "gui/properties/SchedulePage.h"
#include "gui/properties/SettingsPages.h"
#include "gui/tree/ConnectionTreeView.h"
#include "gui/tree/TreeFilterBar.h"

namespace skelder {

namespace {

constexpr int kPageAreaMinimumWidth = 370;
constexpr int kPageAreaMinimumHeight = 404;
constexpr int kTreeDesignWidth = 265;
constexpr int kTreeShrinkLimit = 215;

}  // namespace

WindowLayout::WindowLayout(QMainWindow& window, ConnectionTreeModel& model,
                           const ConnectionTree& tree)
    : QObject(&window), tree_(tree), rememberedTreeWidth_(kTreeDesignWidth) {
  splitter_ = new QSplitter(Qt::Horizontal, &window);
  splitter_->setObjectName(QStringLiteral("Splitter1"));
  splitter_->setHandleWidth(3);
  splitter_->setChildrenCollapsible(false);
  // The tree pane: the filter box over the tree.
  treePane_ = new QWidget(splitter_);
  VT = new ConnectionTreeView(model, treePane_);
  filterBar_ = new TreeFilterBar(*VT, treePane_);
  auto* paneLayout = new QVBoxLayout(treePane_);
  paneLayout->setContentsMargins(0, 0, 0, 0);
  paneLayout->setSpacing(0);
  paneLayout->addWidget(filterBar_);
  paneLayout->addWidget(VT);
  PG = new QTabWidget(splitter_);
  PG->setObjectName(QStringLiteral("PG"));
  PG->setMinimumSize(kPageAreaMinimumWidth, kPageAreaMinimumHeight);
  settingsPages_ = new SettingsPages(PG);
  PG->addTab(settingsPages_, QStringLiteral("Settings"));
  splitter_->addWidget(treePane_);
  splitter_->addWidget(PG);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({kTreeDesignWidth, 600});
  window.setCentralWidget(splitter_);
}

void WindowLayout::addConnectionPages(const ConnectionPageSet& pages) {
  pages_ = pages;
  PG->addTab(pages.macro, QStringLiteral("Macro"));
  PG->addTab(pages.popup, QStringLiteral("Popup"));
  PG->addTab(pages.colors, QStringLiteral("Colors"));
  PG->addTab(pages.schedule, QStringLiteral("Schedule"));
  PG->addTab(pages.preview, QStringLiteral("Preview"));
}

void WindowLayout::setLayout(TreeLayout layout) {
  layout_ = layout;
  emit treeLayoutChanged(layout);
}

void WindowLayout::ShowPage(int page, int settingsPage) {
  if (layout_ == TreeLayout::Maximized) RestoreTree();
  if (settingsPage >= 0) settingsPages_->setCurrentIndex(settingsPage);
  PG->setCurrentIndex(page);
}

void WindowLayout::HideTree() {
  if (layout_ != TreeLayout::Maximized && VT->isVisible())
    rememberedTreeWidth_ = splitter_->sizes().value(0);
  setLayout(TreeLayout::Hidden);
  PG->show();
  treePane_->hide();
  PG->setFocus();
}

void WindowLayout::MaximizeTree() {
  if (VT->isVisible() && PG->isVisible()) rememberedTreeWidth_ = splitter_->sizes().value(0);
  setLayout(TreeLayout::Maximized);
  PG->hide();
  treePane_->show();
  VT->setFocus();
}

void WindowLayout::RestoreTree() {
  setLayout(TreeLayout::Restored);
  if (!VT->isVisible() || !PG->isVisible()) {
    treePane_->show();
    PG->show();
    const int total = splitter_->width() - splitter_->handleWidth();
    splitter_->setSizes({rememberedTreeWidth_, std::max(0, total - rememberedTreeWidth_)});
  }
  VT->setFocus();
}

void WindowLayout::FocusFirstControl() {
  const ConnectionPageSet& pages = pages_;
  auto unlessCovered = [this](const CoverablePage* page, QWidget* control) {
    (page->isCovered() ? static_cast<QWidget*>(VT) : control)->setFocus();
  };
  switch (PG->currentIndex()) {
    case 0: {
      const SettingsPages& s = *settingsPages_;
      if (QWidget* first = s.firstControl(s.currentIndex())) first->setFocus();
      break;
    }
    case 1:
      unlessCovered(pages.macro, pages.macro->Memo1);
      break;
    case 2:
      unlessCovered(pages.popup, pages.popup->Memo2);
      break;
    case 3:
      unlessCovered(pages.colors, pages.colors->cbSchema);
      break;
    case 4:
      unlessCovered(pages.schedule, pages.schedule->cbSchedule);
      break;
    case 5:
      unlessCovered(pages.preview, pages.preview->MemoPreview);
      break;
    default:
      VT->setFocus();
  }
}

void WindowLayout::KeepTreeWidth() {
  if (tree_.loading() || !VT->isVisible() || !PG->isVisible()) return;
  const QList<int> sizes = splitter_->sizes();
  const int total = splitter_->width() - splitter_->handleWidth();
  if (total - sizes.value(0) < PG->minimumWidth()) {
    const int tree = std::max(total - PG->minimumWidth(), kTreeShrinkLimit);
    splitter_->setSizes({tree, std::max(0, total - tree)});
  }
}

int WindowLayout::treeWidth() const { return VT->isVisible() ? splitter_->sizes().value(0) : 0; }
int WindowLayout::splitterTreeWidth() const { return splitter_->sizes().value(0); }
bool WindowLayout::pageAreaVisible() const { return PG->isVisible(); }
bool WindowLayout::treePaneHidden() const { return treePane_->isHidden(); }

}  // namespace skelder

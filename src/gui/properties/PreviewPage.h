#pragma once
// The "Preview" page: the macro "Run" would execute for the focused connection now and,
// when "Run branch" is offered, the one it would execute, read-only and highlighted, with
// the variables a run would ask for named above them and a "Copy" button below. While it
// shows, it follows the macro editor, the logging box, the pending edits and the tree a
// pause after their last change (PreviewTimer); while hidden it computes nothing, and
// showing it brings it up to date at once. Building the text writes, makes, starts and
// asks nothing.
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "core/run/MacroPreview.h"
#include "core/tree/TreeObserver.h"
#include "gui/properties/CoverablePage.h"

class QLabel;
class QPushButton;
class QsciScintilla;

namespace skelder {

class ConnectionTree;
class TtlHighlighter;
class UserDialogs;

class PreviewPage : public CoverablePage, public TreeObserver {
  Q_OBJECT
 public:
  // The preview of the focused connection as the window holds it now; none while the
  // connection pages are covered.
  using Source = std::function<std::optional<MacroPreview>()>;

  PreviewPage(TtlHighlighter& ttm, ConnectionTree& tree, Source source, QWidget* parent);
  ~PreviewPage() override;

  // Something the preview shows may have changed: brought up to date after the pause
  // while the page shows, when it is next shown otherwise.
  void ScheduleUpdate();
  // A scheduled update at once.
  void FlushUpdate();
  // The cover of a page that does not apply; the preview follows it.
  void Cover(bool covered);
  // The bytes shown (empty while covered).
  const std::string& shownText() const { return shown_; }
  // Writes the bytes shown to the file (created or overwritten); false after its box.
  bool ExportTo(const std::string& path, UserDialogs& dialogs);
  QTimer* PreviewTimer() const { return timer_; }

  QLabel* lblPreviewNote;
  QsciScintilla* MemoPreview;
  QPushButton* btnCopyPreview;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowPreview();
  void CopyPreview();
  void nodesInserted(const TreeNode*, int, int) override { ScheduleUpdate(); }
  void nodesRemoved(const TreeNode*, int, int) override { ScheduleUpdate(); }
  void nodeMoved(const TreeNode*) override { ScheduleUpdate(); }
  void nodeChanged(const TreeNode*) override { ScheduleUpdate(); }
  void focusChanged(const TreeNode*) override { ScheduleUpdate(); }
  void cleared() override { ScheduleUpdate(); }

  ConnectionTree& tree_;
  Source source_;
  QTimer* timer_;
  std::string shown_;
};

}  // namespace skelder

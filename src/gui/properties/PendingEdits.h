#pragma once
// Whether the connection pages hold edits not yet applied to the focused node. The pages
// report to it; the status bar and the commands follow its changes. While the tree loads,
// nothing counts as an edit.
#include <QObject>

namespace skelder {

class ConnectionTree;

class PendingEdits : public QObject {
  Q_OBJECT
 public:
  explicit PendingEdits(const ConnectionTree& tree, QObject* parent = nullptr)
      : QObject(parent), tree_(tree) {}

  bool any() const { return pending_; }
  void set(bool pending);

 signals:
  void changed(bool pending);

 private:
  const ConnectionTree& tree_;
  bool pending_ = false;
};

}  // namespace skelder

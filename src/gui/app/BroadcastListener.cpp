#include "gui/app/BroadcastListener.h"

#include <QTimer>

#include "platform/Platform.h"

namespace skelder {

BroadcastListener::BroadcastListener(const std::vector<std::string>& names, QObject* parent)
    : QObject(parent), receiver_(CreateBroadcastReceiver(names)) {
  const int fd = receiver_->descriptor();
  if (fd < 0) return;  // no session bus: nothing will arrive
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &BroadcastListener::deliver);
  // Messages may already be buffered before the notifier exists.
  QTimer::singleShot(0, this, &BroadcastListener::deliver);
}

void BroadcastListener::deliver() {
  for (const auto& name : receiver_->takeMessages()) emit received(QString::fromStdString(name));
}

}  // namespace skelder

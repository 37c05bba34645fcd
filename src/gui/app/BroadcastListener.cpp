#include "gui/app/BroadcastListener.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>

#include "platform/Platform.h"

namespace skelder {

BroadcastListener::BroadcastListener(const std::vector<std::string>& names, QObject* parent)
    : QObject(parent), receiver_(CreateBroadcastReceiver(names)) {
  const int fd = receiver_->descriptor();
  if (fd < 0) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    return;
  }
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &BroadcastListener::deliver);
  // Messages may already be buffered before the notifier exists.
  QTimer::singleShot(0, this, &BroadcastListener::deliver);
}

BroadcastListener::~BroadcastListener() {
  if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool BroadcastListener::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType == "windows_generic_MSG") {
    const std::string name = receiver_->nameOfNativeMessage(message);
    if (!name.empty()) arrived(name);
  }
  return false;
}

void BroadcastListener::deliver() {
  for (const auto& name : receiver_->takeMessages()) arrived(name);
}

void BroadcastListener::arrived(const std::string& name) {
  if (holding_)
    held_.push_back(name);
  else
    emit received(QString::fromStdString(name));
}

void BroadcastListener::release() {
  holding_ = false;
  QTimer::singleShot(0, this, [this] {
    for (const auto& name : std::exchange(held_, {})) emit received(QString::fromStdString(name));
  });
}

}  // namespace skelder

#pragma once
// Delivers the named broadcast messages to the gui thread as a Qt signal.
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <string>
#include <vector>

#include "platform/Broadcaster.h"

namespace skelder {

class BroadcastListener : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT
 public:
  BroadcastListener(const std::vector<std::string>& names, QObject* parent = nullptr);
  ~BroadcastListener() override;

  // Where messages arrive as window messages (Windows), they are picked from the
  // application's native events.
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void received(const QString& messageName);

 private:
  void deliver();

  std::unique_ptr<BroadcastReceiver> receiver_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace skelder

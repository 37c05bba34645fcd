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

  // Messages are kept from here on instead of being delivered, until release(): for a
  // listener that starts before anyone is connected to it.
  void hold() { holding_ = true; }
  // The kept messages are delivered once the event loop turns, and later ones at once.
  void release();

 signals:
  void received(const QString& messageName);

 private:
  void deliver();
  void arrived(const std::string& name);

  std::unique_ptr<BroadcastReceiver> receiver_;
  QSocketNotifier* notifier_ = nullptr;
  bool holding_ = false;
  std::vector<std::string> held_;
};

}  // namespace skelder

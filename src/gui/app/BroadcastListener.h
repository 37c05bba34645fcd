#pragma once
// Delivers the named broadcast messages to the gui thread as a Qt signal.
#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <string>
#include <vector>

#include "platform/Broadcaster.h"

namespace skelder {

class BroadcastListener : public QObject {
  Q_OBJECT
 public:
  BroadcastListener(const std::vector<std::string>& names, QObject* parent = nullptr);

 signals:
  void received(const QString& messageName);

 private:
  void deliver();

  std::unique_ptr<BroadcastReceiver> receiver_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace skelder

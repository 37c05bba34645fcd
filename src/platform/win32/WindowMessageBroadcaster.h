#pragma once
// Broadcasts as registered window messages, sent to every top-level window without
// waiting for them (SendNotifyMessageA to HWND_BROADCAST), both parameters 0.
#include "platform/Broadcaster.h"

namespace skelder {

class WindowMessageBroadcaster : public Broadcaster {
 public:
  bool broadcast(const std::string& messageName) override;
};

}  // namespace skelder

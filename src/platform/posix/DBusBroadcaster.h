#pragma once
// Broadcast messages as D-Bus signals on the session bus: one signal per message name,
// on the object path /com/vantrell/Skelder and the interface com.vantrell.Skelder.
// Without a session bus nothing is sent and nothing is received.
#include <string>
#include <vector>

#include "platform/Broadcaster.h"

struct DBusConnection;

namespace skelder {

inline constexpr const char* kBroadcastPath = "/com/vantrell/Skelder";
inline constexpr const char* kBroadcastInterface = "com.vantrell.Skelder";

class DBusBroadcaster : public Broadcaster {
 public:
  bool broadcast(const std::string& messageName) override;
};

class DBusBroadcastReceiver : public BroadcastReceiver {
 public:
  explicit DBusBroadcastReceiver(const std::vector<std::string>& names);
  ~DBusBroadcastReceiver() override;

  int descriptor() const override;
  std::vector<std::string> takeMessages() override;
  std::string waitForMessage(int timeoutMs) override;

 private:
  void collect(std::vector<std::string>& into);

  DBusConnection* connection_ = nullptr;
  std::vector<std::string> names_;
  std::vector<std::string> pending_;
};

}  // namespace skelder

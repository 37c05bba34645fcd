#pragma once
// Receives registered window messages. The names are registered when the receiver is
// made. Broadcasts reach top-level windows only, so the receiver keeps a hidden
// top-level window of its own, whose messages arrive while the thread that made it
// waits or takes messages (or runs any message loop). A gui whose own top-level
// windows get the messages recognises them with nameOfNativeMessage instead.
#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Broadcaster.h"

namespace skelder {

class WindowMessageReceiver : public BroadcastReceiver {
 public:
  explicit WindowMessageReceiver(const std::vector<std::string>& names);
  ~WindowMessageReceiver() override;
  WindowMessageReceiver(const WindowMessageReceiver&) = delete;
  WindowMessageReceiver& operator=(const WindowMessageReceiver&) = delete;

  // Windows has no descriptor: always -1.
  int descriptor() const override { return -1; }
  std::vector<std::string> takeMessages() override;
  std::string waitForMessage(int timeoutMs) override;
  std::string nameOfNativeMessage(const void* nativeMessage) const override;

  // Whether the hidden window exists (it cannot where there is no display).
  bool hasWindow() const { return window_ != nullptr; }

  // Called by the hidden window for each message it gets; true when it was one of the
  // receiver's.
  bool deliver(unsigned message);

  // The system's number for a message name (the same in every process of the session).
  static unsigned RegisteredMessage(const std::string& name);

 private:
  // Unread messages kept at most; a receiver nobody reads keeps the latest.
  static constexpr std::size_t kMaxPending = 64;

  void pump();

  std::map<unsigned, std::string> names_;  // registered message -> name
  std::deque<std::string> pending_;
  void* window_ = nullptr;
};

}  // namespace skelder

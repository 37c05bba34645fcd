#pragma once
// Named messages broadcast to every program of the user's session without waiting
// for them ("SkeldercMessage", "SkelderRRMessage", ...), and the receiving side.
#include <string>
#include <vector>

namespace skelder {

class Broadcaster {
 public:
  virtual ~Broadcaster() = default;
  // Sends the message; false when there is nobody to send through.
  virtual bool broadcast(const std::string& messageName) = 0;
};

class BroadcastReceiver {
 public:
  virtual ~BroadcastReceiver() = default;
  // A descriptor that becomes readable when messages may be waiting; -1 when there is
  // no bus (or it went away).
  virtual int descriptor() const = 0;
  // The messages received so far, oldest first; does not block.
  virtual std::vector<std::string> takeMessages() = 0;
  // Blocks up to timeoutMs for the next message; empty on time-out.
  virtual std::string waitForMessage(int timeoutMs) = 0;
  // Where the window system hands the messages to every top-level window (Windows), a
  // gui gives each message its windows get (from a native event filter: an MSG) to this:
  // the message's name when it is one of the receiver's, empty otherwise. Elsewhere
  // always empty; there the descriptor tells when to take messages.
  virtual std::string nameOfNativeMessage(const void* /*nativeMessage*/) const { return {}; }
};

}  // namespace skelder

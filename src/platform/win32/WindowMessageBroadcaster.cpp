#include "platform/win32/WindowMessageBroadcaster.h"

#include "platform/win32/Windows.h"

namespace skelder {

bool WindowMessageBroadcaster::broadcast(const std::string& messageName) {
  const UINT message = RegisterWindowMessageA(messageName.c_str());
  return message != 0 && SendNotifyMessageA(HWND_BROADCAST, message, 0, 0);
}

}  // namespace skelder

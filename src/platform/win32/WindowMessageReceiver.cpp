#include "platform/win32/WindowMessageReceiver.h"

#include <chrono>

#include "platform/win32/Windows.h"

namespace skelder {

namespace {

const char kWindowClass[] = "SkelderBroadcastReceiver";

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (auto* receiver = reinterpret_cast<WindowMessageReceiver*>(
                 GetWindowLongPtrA(window, GWLP_USERDATA))) {
    if (receiver->deliver(message)) return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

bool RegisterReceiverClass() {
  static const bool registered = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ReceiverProc;
    windowClass.hInstance = ModuleInstance();
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

unsigned WindowMessageReceiver::RegisteredMessage(const std::string& name) {
  return RegisterWindowMessageA(name.c_str());
}

WindowMessageReceiver::WindowMessageReceiver(const std::vector<std::string>& names) {
  for (const auto& name : names)
    if (const unsigned message = RegisteredMessage(name)) names_[message] = name;
  if (!RegisterReceiverClass()) return;
  // Not a message-only window: those get no broadcasts. Never shown.
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, ModuleInstance(), this);
}

WindowMessageReceiver::~WindowMessageReceiver() {
  if (window_) {
    SetWindowLongPtrA(static_cast<HWND>(window_), GWLP_USERDATA, 0);
    DestroyWindow(static_cast<HWND>(window_));
  }
}

bool WindowMessageReceiver::deliver(unsigned message) {
  auto it = names_.find(message);
  if (it == names_.end()) return false;
  if (pending_.size() == kMaxPending) pending_.pop_front();
  pending_.push_back(it->second);
  return true;
}

std::string WindowMessageReceiver::nameOfNativeMessage(const void* nativeMessage) const {
  if (!nativeMessage) return {};
  auto it = names_.find(static_cast<const MSG*>(nativeMessage)->message);
  return it == names_.end() ? std::string() : it->second;
}

void WindowMessageReceiver::pump() {
  // Peeking hands the messages sent to this thread's windows to their procedures;
  // only the hidden window's posted messages are taken off the queue.
  MSG message;
  while (window_ && PeekMessageA(&message, static_cast<HWND>(window_), 0, 0, PM_REMOVE))
    DispatchMessageA(&message);
}

std::vector<std::string> WindowMessageReceiver::takeMessages() {
  pump();
  std::vector<std::string> messages(pending_.begin(), pending_.end());
  pending_.clear();
  return messages;
}

std::string WindowMessageReceiver::waitForMessage(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    pump();
    if (!pending_.empty()) {
      std::string first = pending_.front();
      pending_.pop_front();
      return first;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0 || !window_) return {};
    // Wakes for input that arrived since the last peek only, so messages for other
    // windows of the thread that stay queued do not keep it spinning.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left), QS_ALLINPUT, 0);
  }
}

}  // namespace skelder

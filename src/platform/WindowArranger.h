#pragma once
// Arranging the desktop's windows around a "Run all selected" batch. On Windows the
// shell's automation object does it; where there is no such object both do nothing.
namespace skelder {

class WindowArranger {
 public:
  virtual ~WindowArranger() = default;
  // Minimises every window of the desktop.
  virtual void minimizeAll() {}
  // Arranges the desktop's windows one above the other.
  virtual void tileHorizontally() {}
};

}  // namespace skelder

#pragma once
// Minimise-all and tile through the shell's automation object ("Shell.Application").
#include "platform/WindowArranger.h"

namespace skelder {

class ShellWindowArranger : public WindowArranger {
 public:
  void minimizeAll() override;
  void tileHorizontally() override;
};

}  // namespace skelder

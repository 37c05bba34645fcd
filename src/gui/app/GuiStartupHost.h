#pragma once
// The windows of start-up: the splash, then the main window and its companions.
#include <memory>

#include "core/app/Startup.h"
#include "gui/app/ProgramContext.h"

namespace skelder {

class SplashWindow;

class GuiStartupHost : public StartupHost {
 public:
  explicit GuiStartupHost(ProgramContext& context);
  ~GuiStartupHost() override;

  void listenForLaterStarts() override;
  void showSplash() override;
  void letSplashPaint() override;
  int runWindows(bool updateCheckMode) override;

 private:
  ProgramContext& context_;
  std::unique_ptr<SplashWindow> splash_;
};

}  // namespace skelder

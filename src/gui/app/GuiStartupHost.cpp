#include "gui/app/GuiStartupHost.h"

#include <QApplication>
#include <QTimer>

#include "gui/app/BroadcastListener.h"
#include "gui/app/CompanionMessages.h"
#include "gui/app/MainWindow.h"
#include "gui/app/TerminationSignals.h"
#include "gui/integration/SplashWindow.h"
#include "gui/integration/UpdateWindow.h"
#include "gui/ui/LocalText.h"

namespace skelder {

GuiStartupHost::GuiStartupHost(ProgramContext& context) : context_(context) {}
GuiStartupHost::~GuiStartupHost() {
  context_.loadProgress = nullptr;
  delete context_.earlyListener;  // when no window took it over
  context_.earlyListener = nullptr;
}

// The messages that arrive before the window exists wait in the listener's connection.
void GuiStartupHost::listenForLaterStarts() {
  context_.earlyListener = new BroadcastListener(CompanionMessages::MessageNames());
  context_.earlyListener->hold();
}

void GuiStartupHost::showSplash() {
  splash_ = std::make_unique<SplashWindow>();
  splash_->show();
  context_.loadProgress = [this](int position, int total) {
    splash_->ShowProgress(position, total);
  };
}

void GuiStartupHost::letSplashPaint() { QApplication::processEvents(); }

int GuiStartupHost::runWindows(bool updateCheckMode) {
  // Installed first, so that a polite end during start-up is not the system's abrupt one.
  TerminationSignals termination;
  auto window = std::make_unique<MainWindow>(context_);
  if (updateCheckMode) {
    // The update window is the only window; the main window goes unseen once it closes,
    // which saves the settings and tells the companion.
    context_.loadProgress = nullptr;
    splash_.reset();
    QObject::connect(&termination, &TerminationSignals::requested, &window->updateWindow(),
                     &QDialog::reject);
    window->CheckForUpdates();
    window->Shutdown();
    return 0;
  }
  context_.loadProgress = nullptr;
  splash_.reset();
  window->show();
  if (!context_.screenshotPath.empty()) {
    QTimer::singleShot(1500, window.get(), [&window, this] {
      window->grab().save(FromLocal(context_.screenshotPath), "PNG");
      window->close();
    });
  }
  // A polite end (SIGTERM, SIGINT) closes the window.
  QObject::connect(&termination, &TerminationSignals::requested, window.get(), &QWidget::close);
  return QApplication::exec();
}

}  // namespace skelder

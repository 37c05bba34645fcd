#include "gui/app/TerminationSignals.h"

#include <QSocketNotifier>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace skelder {

#ifndef _WIN32
namespace {
int wakePipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  (void)!::write(wakePipe[1], &byte, 1);
}
}  // namespace
#endif

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
#ifndef _WIN32
  if (wakePipe[0] < 0 && ::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char buffer[16];
    while (::read(wakePipe[0], buffer, sizeof buffer) > 0) {
    }
    emit requested();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
#endif
}

TerminationSignals::~TerminationSignals() {
#ifndef _WIN32
  signal(SIGTERM, SIG_DFL);
  signal(SIGINT, SIG_DFL);
#endif
}

}  // namespace skelder

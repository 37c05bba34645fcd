#pragma once
// Turns SIGTERM and SIGINT into a Qt signal, so that a session's end or Ctrl+C closes
// the main window the normal way (settings saved, temporary files removed). Where the
// system has no such signals it never fires.
#include <QObject>

class QSocketNotifier;

namespace skelder {

class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void requested();

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace skelder

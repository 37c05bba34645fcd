#pragma once
// The Run commands of the window: "Run to cursor", "Run", "Run branch to cursor",
// "Run branch" on the focused connection and "Run all selected", paced by Timer5.
#include <QObject>
#include <QTimer>
#include <memory>

#include "core/run/MacroRunner.h"

namespace skelder {

class MainWindow;
class KeywordHintLabel;

class RunCommands : public QObject {
  Q_OBJECT
 public:
  explicit RunCommands(MainWindow& window);

  void Run(RunCommand command);
  void RunAllSelected();

  MacroRunner& runner() { return *runner_; }
  QTimer* Timer5() const { return timer5_; }
  KeywordHintLabel& hint() const { return *hint_; }
  // What a run takes from the window now.
  RunInputs Inputs() const;

 private:
  MainWindow& window_;
  std::unique_ptr<MacroRunner> runner_;
  QTimer* timer5_;
  KeywordHintLabel* hint_;
};

}  // namespace skelder

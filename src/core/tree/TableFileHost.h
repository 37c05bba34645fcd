#pragma once
// What the main window does around reading and writing a table file. Every method does
// nothing by default, which is what the command-line tool and most tests want.
#include <string>

namespace skelder {

class TableFileHost {
 public:
  virtual ~TableFileHost() = default;

  // true: show the hourglass cursor, remembering the previous one; false: restore it.
  // Calls nest.
  virtual void setBusy(bool /*busy*/) {}
  // The splash window's progress bar at position out of total; also lets pending window
  // messages run. Called once per record while a table is read.
  virtual void showProgress(int /*position*/, int /*total*/) {}
  // The path becomes the current table file (opening only, not importing).
  virtual void tableNamed(const std::string& /*path*/) {}
  // The tree now matches the file: no "*" in the caption, no pending edits shown.
  virtual void tableLoaded() {}
  // After every write, whether it succeeded or not: save the settings and tell the
  // tray companion to read the table again.
  virtual void saveSettingsAndNotify() {}
};

}  // namespace skelder

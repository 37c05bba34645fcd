#pragma once
// What the owner of a table does around reading and writing its file. Every method does
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
  // Opening an old-format table rewrote it in the current format.
  virtual void tableConverted() {}
};

}  // namespace skelder

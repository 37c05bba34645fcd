#pragma once
// What the open table asks of the window around it. Every method does nothing by
// default, which is what tests of the document alone want.
namespace skelder {

class TableDocumentHost {
 public:
  virtual ~TableDocumentHost() = default;

  // The hourglass cursor on (true) or off; calls nest.
  virtual void setBusy(bool /*busy*/) {}
  // The splash window's progress while a table is read.
  virtual void showProgress(int /*position*/, int /*total*/) {}
  // Lets waiting window messages run before a save.
  virtual void letEventsRun() {}
  // Before the table is replaced or closed: the property pages' unapplied edits are
  // applied or dropped as the user says; false when the user cancelled.
  virtual bool settlePendingEdits() { return true; }
  // "New" emptied the tree: the editors are emptied too and no edits are pending.
  virtual void tableCleared() {}
  // A table was read or imported into the tree: no pending edits are shown.
  virtual void tableLoaded() {}
  // "Open" read a table: the pages show the focused connection.
  virtual void tableOpened() {}
  // The settings are saved and the companion told to read the table again.
  virtual void saveSettings() {}
  // Closing was cancelled in the save question.
  virtual void closeCancelled() {}
  // The file name or the modified state changed (the caption shows both).
  virtual void documentChanged() {}
  // The recent-file list changed.
  virtual void recentFilesChanged() {}
};

}  // namespace skelder

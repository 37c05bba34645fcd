#pragma once
// The open table: its file, whether the tree differs from it, the recent files, and the
// document commands (New, Open, Save, Save as, the recent files, Import, Export, Close,
// the table handed over on the command line or by a second start).
#include <string>

#include "core/app/RecentFiles.h"
#include "core/app/TableDocumentHost.h"
#include "core/base/Clock.h"
#include "core/base/UserDialogs.h"
#include "core/tree/TableFileHost.h"
#include "platform/SettingsStore.h"
#include "platform/SystemInfo.h"

namespace skelder {

class ConnectionTree;

struct TableDocumentServices {
  ConnectionTree& tree;
  UserDialogs& dialogs;
  const SystemInfo& system;
  SettingsStore& store;  // the recent files and the handed-over file ("ParamName")
  const Clock& clock;    // the schedules of imported ".BRF" rows
  std::string programFolder;
};

class TableDocument : private TableFileHost {
 public:
  TableDocument(TableDocumentServices services, TableDocumentHost& host);

  // The table's full path; empty for a table never saved.
  const std::string& fileName() const { return fileName_; }
  // Whether the tree differs from the file (the "*" of the caption).
  bool modified() const { return modified_; }
  void setModified(bool modified);
  // The name the caption shows: "Noname.SKD" or the file's shell display name.
  std::string displayName() const;
  // The name the questions use: "Noname.SKD" or the file's name.
  std::string shortName() const;

  const RecentFiles& recentFiles() const { return recent_; }
  void LoadRecentFiles();
  void SaveRecentFiles() const;

  // "Do you want to save the changes made to ...?" after the pending edits are settled;
  // No when nothing is to be saved, Cancel when the user cancelled either question.
  MessageAnswer AskSaveChanges();
  // "New": after the save question, an empty tree and no file; false when cancelled or
  // the save failed.
  bool New();
  // "Open ...", and the recent file at index (a missing one leaves the list).
  void Open();
  void OpenRecent(int index);
  // Reads the file as the table into the freshly reset tree; true on success.
  bool OpenFile(const std::string& path);
  void Save();
  void SaveAs();
  // "Import connection ..." and the import of a given table or ".BRF" file.
  void ImportWithDialog();
  void Import(const std::string& path);
  // "Export connection ...".
  void Export();
  // Whether the window may close: saves automatically when autoSave, asks otherwise.
  bool QueryClose(bool autoSave);

  // At start-up: the file in "ParamName" opens as the table when there is no last table
  // (and "ParamName" is emptied once it opened); with a last table that one opens and the argument
  // is offered for import shortly after (importPending).
  void OpenStartTable(const std::string& lastTable);
  bool importPending() const { return importPending_; }
  // Whether the path names the open table's file.
  bool IsOpenTable(const std::string& path) const;
  // The delayed offer: "Do you want to import file ... into Skelder?", never about the
  // open table itself; "ParamName" is emptied afterwards.
  void OfferHandedOverFile();

  // Ended from outside (SIGTERM, the session's end) with unsaved changes: the tree goes to
  // the recovery copy "Skelder recovery.SKD" in the folder, the table's own path into the
  // settings ("RecoveryOf"), and nothing is asked. False when nothing needed keeping or
  // the copy could not be written.
  bool WriteRecoveryCopy(const std::string& folder);
  // At start-up, a copy left in the folder is offered: "Recover unsaved changes to ...?"
  // Yes opens it as the modified, unsaved table of its own path; No deletes it.
  void OfferRecovery(const std::string& folder);
  static std::string RecoveryCopyPath(const std::string& folder);

 private:
  // TableFileHost: what the reader and the writer report.
  void setBusy(bool busy) override { host_.setBusy(busy); }
  void showProgress(int position, int total) override { host_.showProgress(position, total); }
  void tableNamed(const std::string& path) override;
  void tableLoaded() override;
  void tableConverted() override { host_.saveSettings(); }

  bool read(const std::string& path, bool import);
  bool write(const std::string& path);

  TableDocumentServices services_;
  TableDocumentHost& host_;
  std::string fileName_;
  bool modified_ = false;
  bool importPending_ = false;
  RecentFiles recent_;
};

}  // namespace skelder

#include "core/app/TableDocument.h"

#include <filesystem>
#include <system_error>

#include "core/app/SettingsStorage.h"
#include "core/base/ProgramFolder.h"
#include "core/properties/ColorSchemas.h"
#include "core/tree/ConnectionImport.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/TableFormat.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"

namespace skelder {

namespace {

constexpr const char* kNoname = "Noname.SKD";

}  // namespace

TableDocument::TableDocument(TableDocumentServices services, TableDocumentHost& host)
    : services_(std::move(services)), host_(host) {}

void TableDocument::setModified(bool modified) {
  modified_ = modified;
  host_.documentChanged();
}

std::string TableDocument::displayName() const {
  return fileName_.empty() ? kNoname : services_.system.shellDisplayName(fileName_);
}

std::string TableDocument::shortName() const {
  return fileName_.empty() ? kNoname : FileNameOf(fileName_);
}

void TableDocument::LoadRecentFiles() {
  recent_.Load(services_.store);
  host_.recentFilesChanged();
}

void TableDocument::SaveRecentFiles() const { recent_.Save(services_.store); }

void TableDocument::tableNamed(const std::string& path) {
  fileName_ = path;
  host_.documentChanged();
}

void TableDocument::tableLoaded() {
  setModified(false);
  host_.tableLoaded();
}

bool TableDocument::IsOpenTable(const std::string& path) const {
  std::error_code ec;
  return !fileName_.empty() && std::filesystem::equivalent(path, fileName_, ec);
}

bool TableDocument::read(const std::string& path, bool import) {
  TableFileContext context{services_.tree, services_.dialogs, services_.system, *this};
  return ReadTable(context, path, import);
}

bool TableDocument::write(const std::string& path) {
  services_.tree.setSelected(services_.tree.computerNode(), false);
  TableFileContext context{services_.tree, services_.dialogs, services_.system, *this};
  setBusy(true);
  const bool written = WriteTable(context, path, true);
  host_.saveSettings();
  setBusy(false);
  return written;
}

MessageAnswer TableDocument::AskSaveChanges() {
  if (!host_.settlePendingEdits()) return MessageAnswer::Cancel;
  if (!modified_) return MessageAnswer::No;
  return services_.dialogs.messageBox(
      MessageKind::Warning, MessageButtons::YesNoCancel,
      "Do you want to save the changes made to " + shortName() + "?");
}

bool TableDocument::New() {
  const MessageAnswer answer = AskSaveChanges();
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes)
    Save();
  else
    setModified(false);
  if (modified_) return false;  // the save did not happen
  ResetTree(services_.tree);
  fileName_.clear();
  host_.tableCleared();
  setModified(false);
  return true;
}

bool TableDocument::OpenFile(const std::string& path) {
  const bool ok = read(path, false);
  if (ok) {
    recent_.Add(path);
    host_.recentFilesChanged();
  }
  return ok;
}

void TableDocument::Open() {
  const auto path = services_.dialogs.openFile({"Open Skelder file", kTableFilter, "skd", ""});
  if (path && New()) {
    OpenFile(*path);
    host_.saveSettings();
    setModified(false);
    host_.tableOpened();
  }
}

void TableDocument::OpenRecent(int index) {
  if (index < 0 || index >= static_cast<int>(recent_.entries().size())) return;
  const std::string path = recent_.entries()[static_cast<size_t>(index)];
  if (!FileExists(path)) {
    recent_.Remove(path);
    services_.dialogs.messageBox(
        MessageKind::Warning, MessageButtons::Ok,
        "The file '" + services_.system.shellDisplayName(path) + "' does not exist.");
    host_.recentFilesChanged();
    return;
  }
  recent_.Add(path);
  host_.recentFilesChanged();
  host_.letEventsRun();
  if (FileExists(path) && New()) {
    OpenFile(path);
    host_.saveSettings();
    setModified(false);
  }
}

void TableDocument::Save() {
  if (fileName_.empty()) {
    SaveAs();
    return;
  }
  host_.letEventsRun();
  // A table that could not be written stays marked, so that closing still asks.
  if (write(fileName_)) setModified(false);
}

void TableDocument::SaveAs() {
  const auto path =
      services_.dialogs.saveFile({"Save Skelder file as", kTableFilter, "skd", fileName_});
  if (!path) return;
  const std::string previous = fileName_;
  fileName_ = *path;
  Save();
  if (modified_) {  // not written: the table keeps its old name
    fileName_ = previous;
    host_.documentChanged();
    return;
  }
  recent_.Add(*path);
  host_.recentFilesChanged();
}

void TableDocument::ImportWithDialog() {
  if (const auto path = services_.dialogs.openFile(
          {"Import connections from file",
           "Skelder file (*.SKD)|*.SKD|Brannock file (*.BRF)|*.BRF|All files (*.*)|*.*", "skd",
           ""}))
    Import(*path);
}

void TableDocument::Import(const std::string& path) {
  TableFileContext context{services_.tree, services_.dialogs, services_.system, *this};
  const std::string ini = FindProgramFile(services_.programFolder, "teraterm.ini");
  const auto renamed = ImportFile(context, path, services_.clock, TeraTermIniColors(ini));
  if (!renamed) return;
  setModified(true);
  if (const std::string message = ImportRenameMessage(*renamed); !message.empty())
    services_.dialogs.messageBox(MessageKind::Warning, MessageButtons::Ok, message);
}

void TableDocument::Export() {
  TableFileContext context{services_.tree, services_.dialogs, services_.system, *this};
  bool attempted = false;
  setBusy(true);
  ExportSelection(context, &attempted);
  if (attempted) host_.saveSettings();
  setBusy(false);
}

bool TableDocument::QueryClose(bool autoSave) {
  if (modified_ && autoSave) {
    Save();
    return !modified_;
  }
  switch (AskSaveChanges()) {
    case MessageAnswer::Cancel:
      host_.closeCancelled();
      return false;
    case MessageAnswer::No:
      return true;
    default:
      Save();
      return !modified_;
  }
}

void TableDocument::OpenStartTable(const std::string& lastTable) {
  const std::string param = ReadParamName(services_.store);
  if (!param.empty() && !lastTable.empty()) {
    if (FileExists(lastTable)) OpenFile(lastTable);
    importPending_ = true;
  } else if (!param.empty()) {
    // Opened directly, the argument is done with: a later start must not offer it again.
    if (FileExists(param) && OpenFile(param)) WriteParamName(services_.store, "");
  } else if (!lastTable.empty() && FileExists(lastTable)) {
    OpenFile(lastTable);
  }
}

void TableDocument::OfferHandedOverFile() {
  importPending_ = false;
  const std::string path = ReadParamName(services_.store);
  if (!path.empty() && FileExists(path) && !IsOpenTable(path)) {
    const std::string text = "Do you want to import file " +
                             services_.system.shellDisplayName(path) + " into " + "Skelder" + "?";
    if (services_.dialogs.messageBox(MessageKind::Confirmation, MessageButtons::YesNo, text) ==
        MessageAnswer::Yes)
      Import(path);
  }
  WriteParamName(services_.store, "");
}

namespace {

// Writing the recovery copy asks nobody: the program is being ended.
class SilentDialogs : public UserDialogs {
 public:
  MessageAnswer messageBox(MessageKind, MessageButtons buttons, const std::string&) override {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::No
               : MessageAnswer::Ok;
  }
  std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
};

constexpr const char* kRecoveryOf = "RecoveryOf";

}  // namespace

std::string TableDocument::RecoveryCopyPath(const std::string& folder) {
  return (std::filesystem::path(folder) / "Skelder recovery.SKD").string();
}

bool TableDocument::WriteRecoveryCopy(const std::string& folder) {
  if (!modified_ || folder.empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  SilentDialogs silent;
  TableFileHost quiet;
  TableFileContext context{services_.tree, silent, services_.system, quiet};
  if (!WriteTable(context, RecoveryCopyPath(folder), true)) return false;
  if (auto key = services_.store.openKey(kSettingsKeyPath, true))
    key->writeString(kRecoveryOf, fileName_);
  return true;
}

void TableDocument::OfferRecovery(const std::string& folder) {
  if (folder.empty()) return;
  const std::string copy = RecoveryCopyPath(folder);
  if (!FileExists(copy)) return;
  std::string original;
  if (auto key = services_.store.openKey(kSettingsKeyPath, false))
    original = key->readString(kRecoveryOf).value_or("");
  const std::string name =
      original.empty() ? std::string(kNoname) : services_.system.shellDisplayName(original);
  const MessageAnswer answer = services_.dialogs.messageBox(
      MessageKind::Confirmation, MessageButtons::YesNo, "Recover unsaved changes to " + name + "?");
  bool recovered = false;
  if (answer == MessageAnswer::Yes && New() && read(copy, false)) {
    recovered = true;
    fileName_ = original;
    setModified(true);
    host_.tableOpened();
  }
  // Declined, or in the tree now: the copy has done its part. One that cannot be read
  // stays for another try.
  if (answer != MessageAnswer::Yes || recovered) {
    std::error_code ec;
    std::filesystem::remove(copy, ec);
    if (auto key = services_.store.openKey(kSettingsKeyPath, true)) key->deleteValue(kRecoveryOf);
  }
}

}  // namespace skelder

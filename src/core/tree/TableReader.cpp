#include "core/tree/TableReader.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "core/base/UserDialogs.h"
#include "core/properties/ColorSchemas.h"
#include "core/properties/ColorSet.h"
#include "core/text/FileBytes.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/LevelLoader.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeRecord.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableFormat.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeState.h"
#include "platform/SystemInfo.h"

namespace skelder {

namespace {

const char* const kInconsistentData = "Error reading the file. It contains inconsistent data.";

// Cleans each record as the table format rules and places it by its level.
class RecordLoader {
 public:
  RecordLoader(ConnectionTree& tree, bool oldFormat) : levels_(tree), oldFormat_(oldFormat) {}

  LevelLoader& levels() { return levels_; }

  void add(rVTNodeData record) {
    if (record.Name.empty()) return;  // skipped; it still counts towards the total
    const std::int64_t level = record.Level;
    if (IsSeparator(record)) record.Name = SeparatorText;
    if (record.Schedule.empty() || record.Schedule[0] != '=' || IsSeparator(record) ||
        record.Macro.empty())
      record.Schedule.clear();
    if (oldFormat_) record.Colors = ConvertOldColorString(record.Colors);
    record.NodeKind = 0;
    levels_.append(std::move(record), level);
  }

 private:
  LevelLoader levels_;
  const bool oldFormat_;
};

}  // namespace

std::string ConvertOldColorString(const std::string& oldColors) {
  // A string too short to parse keeps the default colours instead of whatever an
  // earlier conversion left behind.
  ColorSet colors;
  ParseColorString(DefaultColorString(), colors);
  ParseColorString(oldColors + ":0:0:255:0:0:0", colors);
  std::copy_n(colors.bytes.begin() + 3, 3, colors.bytes.begin() + 21);
  return FormatColorString(colors);
}

bool ReadTable(TableFileContext& context, const std::string& path, bool import) {
  ConnectionTree& tree = context.tree;
  UserDialogs& dialogs = context.dialogs;
  TableFileHost& host = context.host;
  const std::string dn = context.system.shellDisplayName(path);

  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    dialogs.error("The file '" + dn + "' does not exist.");
    return false;
  }
  std::string bytes;
  if (ReadFileBytes(path, bytes)) {
    dialogs.error("Cannot read the file " + dn);
    return false;
  }
  ByteReader in(bytes);
  const std::string_view signature = in.take(kSignatureLength);
  const bool oldFormat = signature == kOldTableSignature;
  if (!oldFormat && signature != kTableSignature) {
    dialogs.error("The file " + dn + " has invalid format.");
    return false;
  }
  if (oldFormat && !import) {
    dialogs.messageBox(MessageKind::Information, MessageButtons::Ok,
                       "The file " + dn + " was created by earlier versions of Skelder and has " +
                           "old format.\rIt will be backed up into " + dn +
                           ".bak and converted prior opening.\r\rPress Ok to continue.");
    if (const std::error_code copyError = CopyFileBytes(path, path + ".bak")) {
      dialogs.error(copyError.message());
      return false;
    }
  }

  host.setBusy(true);
  if (!tree.computerNode()) ResetTree(tree);
  std::int32_t count = 0;
  bool whole = in.readInt32(count) && count >= 0;
  tree.setLoading(true);
  tree.beginUpdate();
  // The progress range never exceeds the records the file can hold.
  const int total =
      whole ? static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(count),
                                                     in.remaining() / kSmallestNodeRecord))
            : 0;
  host.showProgress(0, total);
  RecordLoader loader(tree, oldFormat);
  for (std::int64_t i = 1; whole && i <= count; ++i) {
    host.showProgress(static_cast<int>(std::min<std::int64_t>(i, total)), total);
    rVTNodeData record;
    whole = VTLoadNode(in, record);
    if (whole) loader.add(std::move(record));
  }

  TreeNode* computer = tree.computerNode();
  if (!whole) {
    host.setBusy(false);
    if (!import) host.tableNamed(path);
    tree.setExpanded(computer, true);
    tree.setLoading(false);
    tree.endUpdate();
    dialogs.error(kInconsistentData);
    return false;
  }
  tree.endUpdate();
  host.tableLoaded();
  if (!import) {
    host.tableNamed(path);
    if (oldFormat && WriteTable(context, path, true)) host.tableConverted();
  }
  tree.setExpanded(computer, true);
  tree.setLoading(false);
  loader.levels().focusRemembered();
  host.setBusy(false);
  host.showProgress(total, total);
  return true;
}

}  // namespace skelder

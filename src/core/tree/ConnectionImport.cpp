#include "core/tree/ConnectionImport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/base/ProgramFolder.h"
#include "core/base/UserDialogs.h"
#include "core/text/IniFile.h"
#include "core/tree/LevelLoader.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeNaming.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableFormat.h"
#include "core/tree/TableReader.h"
#include "core/tree/TableWriter.h"
#include "core/tree/TreeEditing.h"
#include "core/tree/TreeState.h"
#include "core/tree/TreeUpdateBatch.h"
#include "platform/SystemInfo.h"

namespace skelder {

namespace {

// "yyyymmddHHmmsszzz": the schedule a row without one gets.
std::string ImportStamp(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%03d", t.year, t.month, t.day, t.hour,
                t.minute, t.second, t.millisecond);
  return text;
}

std::string UpperExtension(const std::string& path) {
  const std::string name = FileNameOf(path);
  const size_t dot = name.rfind('.');
  std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return extension;
}

// The rows from 1 to rows that have a "C1_R" + i key, in ascending order: a row without
// one has no name and is skipped anyway, so only the rows the file holds are read,
// however large its "RowCount".
std::vector<std::int32_t> NamedRows(const IniFile& file, std::int32_t rows) {
  std::vector<std::int32_t> named;
  for (const std::string& key : file.keyNames("BRF")) {
    if (key.size() < 5 || (key[0] != 'C' && key[0] != 'c') || key[1] != '1' || key[2] != '_' ||
        (key[3] != 'R' && key[3] != 'r') || key[4] == '0')
      continue;
    std::int64_t row = 0;
    std::size_t at = 4;
    while (at < key.size() && key[at] >= '0' && key[at] <= '9' && row <= rows)
      row = row * 10 + (key[at++] - '0');
    if (at == key.size() && row >= 1 && row <= rows)
      named.push_back(static_cast<std::int32_t>(row));
  }
  std::sort(named.begin(), named.end());
  return named;
}

}  // namespace

bool ImportBrf(TableFileContext& context, const std::string& path, const Clock& clock,
               const std::string& teraTermColors) {
  ConnectionTree& tree = context.tree;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    context.dialogs.error("File '" + context.system.shellDisplayName(path) + "' not found");
    return false;
  }
  if (!tree.computerNode()) ResetTree(tree);
  tree.setLoading(true);
  context.host.setBusy(true);
  IniFile file;
  file.load(path);
  const std::int32_t rows = file.readInteger("BRF", "RowCount", 0);
  {
    TreeUpdateBatch batch(tree);
    LevelLoader levels(tree);
    for (const std::int32_t i : NamedRows(file, rows)) {
      const std::string row = std::to_string(i);
      auto cell = [&](int column, const std::string& fallback) {
        return file.readString("BRF", "C" + std::to_string(column) + "_R" + row, fallback);
      };
      rVTNodeData record;
      record.Name = cell(1, "");
      if (record.Name.empty()) continue;
      if (record.Name[0] == '-') record.Name = SeparatorText;
      record.Schedule = cell(2, ImportStamp(clock.now()));
      record.Macro = cell(3, "");
      record.LastUpdated = cell(4, "");
      record.Popup = cell(5, "");
      record.Colors = cell(6, teraTermColors);
      record.StartLogging = file.readInteger("BRF", "C7_R" + row, 1) != 0 ? 1 : 0;
      record.Level = file.readInteger("BRF", "C8_R" + row, i);
      levels.append(std::move(record), file.readInteger("BRF", "C8_R" + row, 1));
    }
    tree.setExpanded(tree.computerNode(), true);
    tree.setLoading(false);
    levels.focusRemembered();
  }
  context.host.tableLoaded();
  context.host.setBusy(false);
  return true;
}

std::optional<int> ImportFile(TableFileContext& context, const std::string& path,
                              const Clock& clock, const std::string& teraTermColors) {
  const std::string extension = UpperExtension(path);
  if (extension == ".SKD") {
    ReadTable(context, path, true);
  } else if (extension == ".BRF") {
    ImportBrf(context, path, clock, teraTermColors);
  } else {
    context.dialogs.error("Cannot import the file. Unsupported file format.");
    return std::nullopt;
  }
  TreeUpdateBatch batch(context.tree);
  return MakeChildNamesUnique(context.tree, context.tree.computerNode());
}

std::string ImportRenameMessage(int renamed) {
  if (renamed == 1)
    return "1 imported item was" + std::string(" renamed to avoid duplicate names among siblings.");
  if (renamed > 1)
    return std::to_string(renamed) + " imported items were" +
           " renamed to avoid duplicate names among siblings.";
  return {};
}

bool ExportSelection(TableFileContext& context, bool* attempted) {
  ConnectionTree& tree = context.tree;
  bool written = false;
  if (attempted) *attempted = false;
  if (WidenSelectionToRoot(tree, true, context.dialogs)) {
    if (auto path = context.dialogs.saveFile(
            {"Export selected connections to file", kTableFilter, "skd", ""})) {
      if (attempted) *attempted = true;
      written = WriteTable(context, *path, false);
    }
  }
  if (TreeNode* computer = tree.computerNode(); computer && computer->isSelected())
    tree.setSelected(computer, false);
  return written;
}

}  // namespace skelder

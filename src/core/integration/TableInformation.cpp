#include "core/integration/TableInformation.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/base/ProgramFolder.h"
#include "core/text/FileErrorText.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeTextEncoding.h"

namespace skelder {

namespace {

std::optional<LocalTime> ModificationTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return ToLocalTime(st.st_mtime);
}

std::string Bytes(std::int64_t count) { return std::to_string(count) + " bytes"; }

}  // namespace

TreeStatistics CountTreeStatistics(const ConnectionTree& tree) {
  TreeStatistics s;
  for (const TreeNode* node = tree.first(); node; node = tree.next(node)) {
    if (node == tree.computerNode()) continue;
    const rVTNodeData& data = node->data;
    ++s.nodes;
    if (!data.Schedule.empty()) ++s.scheduled;
    if (IsSeparator(data)) {
      ++s.separators;
      continue;
    }
    const auto length = static_cast<std::int64_t>(DecodeNodeText(data.Macro).size());
    if (length > 0) {
      s.shortestMacro = s.macroScripts == 0 ? length : std::min(s.shortestMacro, length);
      s.longestMacro = std::max(s.longestMacro, length);
      s.totalMacroLength += length;
      ++s.macroScripts;
    }
    if (!DecodeNodeText(data.Popup).empty()) ++s.popups;
  }
  return s;
}

std::int64_t AverageMacroLength(const TreeStatistics& statistics) {
  const std::int64_t count = std::max(statistics.macroScripts, 1);
  const std::int64_t quotient = statistics.totalMacroLength / count;
  const std::int64_t twiceRest = 2 * (statistics.totalMacroLength % count);
  if (twiceRest > count || (twiceRest == count && quotient % 2 != 0)) return quotient + 1;
  return quotient;
}

TableFileFacts ReadTableFileFacts(const std::string& path, UserDialogs& dialogs) {
  TableFileFacts facts;
  if (path.empty()) {
    facts.name = "Noname.SKD";
    return facts;
  }
  facts.name = FileNameOf(path);
  facts.location = FolderOf(path);
  std::error_code error;
  {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) error = std::error_code(errno ? errno : ENOENT, std::generic_category());
  }
  std::uint64_t size = 0;
  if (!error) size = std::filesystem::file_size(path, error);
  if (error) {
    dialogs.error(FileOpenErrorText(path, error));
    return facts;
  }
  facts.size = size;
  facts.lastUpdated = ModificationTime(path);
  return facts;
}

InformationValues ComposeInformation(
    const TableFileFacts& file, const TreeStatistics& tree,
    const std::function<std::string(const LocalTime&)>& formatTime) {
  InformationValues v;
  v.fileName = file.name;
  v.fileLocation = file.location;
  v.fileSize = file.size && *file.size > 0 ? std::to_string(*file.size) + " bytes" : "???";
  v.fileLastUpdated = file.lastUpdated ? formatTime(*file.lastUpdated) : "???";
  v.nodes = std::to_string(tree.nodes);
  v.macroScripts = std::to_string(tree.macroScripts);
  v.averageMacroLength = Bytes(AverageMacroLength(tree));
  v.longestMacro = Bytes(tree.longestMacro);
  v.shortestMacro = Bytes(tree.shortestMacro);
  v.scheduled = std::to_string(tree.scheduled);
  v.separators = std::to_string(tree.separators);
  v.popups = std::to_string(tree.popups);
  return v;
}

}  // namespace skelder

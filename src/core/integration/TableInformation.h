#pragma once
// What the information window tells about the open table: facts of its file on disk as
// last saved, and statistics of the tree in memory.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/base/Clock.h"
#include "core/base/UserDialogs.h"
#include "core/tree/ConnectionTree.h"

namespace skelder {

// Counts over every node below the ComputerNode. Lengths are those of the decoded macros
// in bytes; a separator line never counts as a macro script, whatever it stores.
struct TreeStatistics {
  int nodes = 0;
  int macroScripts = 0;
  int scheduled = 0;
  int separators = 0;
  int popups = 0;
  std::int64_t totalMacroLength = 0;
  std::int64_t longestMacro = 0;
  std::int64_t shortestMacro = 0;  // 0 when there is no macro script
};

TreeStatistics CountTreeStatistics(const ConnectionTree& tree);

// The total over the number of macro scripts (over 1 when there is none), rounded to
// the nearest integer and a half to the even neighbour.
std::int64_t AverageMacroLength(const TreeStatistics& statistics);

struct TableFileFacts {
  std::string name;      // "Noname.SKD" for an unnamed table
  std::string location;  // with its trailing separator; empty for an unnamed table
  std::optional<std::uint64_t> size;
  std::optional<LocalTime> lastUpdated;
};

// The facts of the table file; an unnamed table (empty path) has only its name. A file
// that cannot be opened is reported in an error box and has neither size nor time.
TableFileFacts ReadTableFileFacts(const std::string& path, UserDialogs& dialogs);

// The values of the information window's rows, top to bottom.
struct InformationValues {
  std::string fileName;
  std::string fileLocation;
  std::string fileSize;
  std::string fileLastUpdated;
  std::string nodes;
  std::string macroScripts;
  std::string averageMacroLength;
  std::string longestMacro;
  std::string shortestMacro;
  std::string scheduled;
  std::string separators;
  std::string popups;
};

// formatTime writes a time in the system's short date and long time format.
InformationValues ComposeInformation(
    const TableFileFacts& file, const TreeStatistics& tree,
    const std::function<std::string(const LocalTime&)>& formatTime);

}  // namespace skelder

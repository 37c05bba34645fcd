#pragma once
// The recent-file list: at most four full paths, most recent first, kept in the settings
// key as "MRU1" to "MRU4".
#include <string>
#include <vector>

#include "platform/SettingsStore.h"

namespace skelder {

class RecentFiles {
 public:
  static constexpr int kMaximum = 4;

  // Missing or empty values are skipped.
  void Load(SettingsStore& store);
  // Numbers without an entry are written empty.
  void Save(SettingsStore& store) const;

  // The file goes first; it leaves its old place, and entries beyond the fourth drop out.
  void Add(const std::string& path);
  void Remove(const std::string& path);
  const std::vector<std::string>& entries() const { return entries_; }

  // The menu item's caption: "&" + number + two blanks + the path, or the file name
  // alone without the full-path option.
  std::string Caption(int index, bool fullPath) const;

 private:
  std::vector<std::string> entries_;
};

}  // namespace skelder

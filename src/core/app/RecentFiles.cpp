#include "core/app/RecentFiles.h"

#include <algorithm>

#include "core/base/ProgramFolder.h"

namespace skelder {

static std::string ValueName(int number) { return "MRU" + std::to_string(number); }

void RecentFiles::Load(SettingsStore& store) {
  entries_.clear();
  auto key = store.openKey(kSettingsKeyPath, false);
  if (!key) return;
  for (int number = 1; number <= kMaximum; ++number) {
    auto path = key->readString(ValueName(number));
    if (path && !path->empty() &&
        std::find(entries_.begin(), entries_.end(), *path) == entries_.end())
      entries_.push_back(*path);
  }
}

void RecentFiles::Save(SettingsStore& store) const {
  auto key = store.openKey(kSettingsKeyPath, true);
  if (!key) return;
  store.beginBatch();
  for (int number = 1; number <= kMaximum; ++number) {
    const size_t index = static_cast<size_t>(number - 1);
    key->writeString(ValueName(number), index < entries_.size() ? entries_[index] : "");
  }
  store.endBatch();
}

void RecentFiles::Add(const std::string& path) {
  if (!entries_.empty() && entries_.front() == path) return;
  Remove(path);
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > kMaximum) entries_.resize(kMaximum);
}

void RecentFiles::Remove(const std::string& path) {
  entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

std::string RecentFiles::Caption(int index, bool fullPath) const {
  const std::string& path = entries_.at(static_cast<size_t>(index));
  return "&" + std::to_string(index + 1) + "  " + (fullPath ? path : FileNameOf(path));
}

}  // namespace skelder

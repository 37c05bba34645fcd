#pragma once
// The words the TTL highlighter knows, read from the keyword file "KeyFile.ini": four
// sections of commands, system variables, Skelder keywords and operations, each word
// with the number of its help topic. The store keeps the file's entries in their order;
// where a word stands more than once, the first place decides.
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace skelder {

enum class KeywordSection { Commands, SystemVariables, SkelderKeywords, Operations };

class KeywordStore {
 public:
  // Replaces the store with the entries of the file's text; false (and an empty store)
  // when it has fewer than five lines.
  bool Load(const std::string& text);
  // The same from the file; false also when it cannot be read.
  bool LoadKeywords(const std::string& path);
  void Clear();

  // The section in which the first entry named exactly `word` stands; nothing when there
  // is no such entry or it stands outside every section.
  std::optional<KeywordSection> SectionOf(const std::string& word) const;
  // Whether any entry of the Skelder keywords section is named exactly `word`.
  bool IsSkelderKeyword(const std::string& word) const;
  // The number of the first entry named exactly `word`, in any place; 0 when none.
  int HelpNumber(const std::string& word) const;

  // The length of the longest name: a longer word is no keyword.
  std::size_t longestName() const { return longestName_; }

  // The entries in file order: names (lower-cased where written with "=") and numbers.
  const std::vector<std::string>& names() const { return names_; }
  const std::vector<int>& numbers() const { return numbers_; }
  // The first and last index of a section; first > last when it is empty.
  int first(KeywordSection section) const { return ranges_[Index(section)].first; }
  int last(KeywordSection section) const { return ranges_[Index(section)].last; }

 private:
  struct Range {
    int first = 0;
    int last = -1;
  };
  static int Index(KeywordSection section) { return static_cast<int>(section); }

  std::vector<std::string> names_;
  std::vector<int> numbers_;
  Range ranges_[4];
  std::unordered_map<std::string, int> firstIndex_;
  std::unordered_set<std::string> skelderKeywords_;
  std::size_t longestName_ = 0;
};

}  // namespace skelder

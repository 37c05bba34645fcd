#include "core/tree/NodeFilter.h"

#include <algorithm>

#include "core/text/CaseFolding.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeTextEncoding.h"

namespace skelder {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A stored Macro or Popup (EncodeNodeText), decoded and folded.
void AppendDecodedFolded(std::string& out, const std::string& encoded) {
  AppendFolded(out, DecodeNodeText(encoded));
}

}  // namespace

FilterWords::FilterWords(std::string_view typed) {
  std::size_t i = 0;
  while (i < typed.size()) {
    while (i < typed.size() && IsBlank(typed[i])) ++i;
    const std::size_t begin = i;
    while (i < typed.size() && !IsBlank(typed[i])) ++i;
    if (i > begin) words_.push_back(FoldCase(typed.substr(begin, i - begin)));
  }
}

bool FilterWords::Matches(const rVTNodeData& data) const {
  if (words_.empty()) return true;
  // One buffer per thread keeps a filter over a large tree free of allocations.
  thread_local std::string folded;
  thread_local std::vector<bool> found;
  found.assign(words_.size(), false);
  std::size_t missing = words_.size();
  auto look = [&] {
    for (std::size_t w = 0; w < words_.size(); ++w) {
      if (!found[w] && folded.find(words_[w]) != std::string::npos) {
        found[w] = true;
        --missing;
      }
    }
    return missing == 0;
  };
  folded.clear();
  AppendFolded(folded, data.Name);
  if (look()) return true;
  folded.clear();
  AppendDecodedFolded(folded, data.Popup);
  if (look()) return true;
  folded.clear();
  AppendDecodedFolded(folded, data.Macro);
  return look();
}

bool FilterWords::Narrows(const FilterWords& earlier) const {
  if (earlier.empty()) return false;
  return std::all_of(earlier.words_.begin(), earlier.words_.end(), [&](const std::string& old) {
    return std::any_of(words_.begin(), words_.end(), [&](const std::string& word) {
      return word.find(old) != std::string::npos;
    });
  });
}

std::vector<std::pair<std::size_t, std::size_t>> MatchedSpans(std::string_view text,
                                                              const FilterWords& words) {
  const std::string folded = FoldCase(text);
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  for (const std::string& word : words.words()) {
    for (std::size_t at = folded.find(word); at != std::string::npos;
         at = folded.find(word, at + 1))
      spans.emplace_back(at, at + word.size());
  }
  std::sort(spans.begin(), spans.end());
  std::vector<std::pair<std::size_t, std::size_t>> merged;
  for (const auto& span : spans) {
    if (!merged.empty() && span.first <= merged.back().second)
      merged.back().second = std::max(merged.back().second, span.second);
    else
      merged.push_back(span);
  }
  return merged;
}

void NodeFilter::setText(std::string_view typed, const ConnectionTree& tree, const TreeNode* keep) {
  FilterWords words(typed);
  if (words.empty()) {
    clear();
    return;
  }
  const bool narrowing = narrowable_ && active() && words.Narrows(words_);
  words_ = std::move(words);
  if (narrowing) {
    collect(tree, std::move(matches_), keep);
  } else {
    refresh(tree, keep);
  }
}

void NodeFilter::refresh(const ConnectionTree& tree, const TreeNode* keep) {
  if (!active()) return;
  std::vector<const TreeNode*> every;
  every.reserve(static_cast<std::size_t>(tree.nodeCount()));
  for (const TreeNode* node = tree.first(); node; node = tree.next(node)) every.push_back(node);
  collect(tree, std::move(every), keep);
}

void NodeFilter::clear() {
  words_ = FilterWords();
  matches_.clear();
  shown_.clear();
  narrowable_ = false;
}

bool NodeFilter::shows(const TreeNode* node) const { return !active() || shown_.count(node) > 0; }

void NodeFilter::collect(const ConnectionTree& tree, std::vector<const TreeNode*> candidates,
                         const TreeNode* keep) {
  matches_.clear();
  shown_.clear();
  for (const TreeNode* node : candidates) {
    if (!IsSeparator(node) && words_.Matches(node->data)) {
      matches_.push_back(node);
      showWithAncestors(node);
    }
  }
  if (keep) showWithAncestors(keep);
  if (tree.computerNode()) shown_.insert(tree.computerNode());
  narrowable_ = true;
}

void NodeFilter::showWithAncestors(const TreeNode* node) {
  for (; node && shown_.insert(node).second; node = node->parent()) {
  }
}

}  // namespace skelder

#include "core/tree/NodeFilter.h"

#include <algorithm>

#include "core/text/CaseFolding.h"
#include "core/tree/ConnectionTree.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeTextEncoding.h"

namespace skelder {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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

void FilterWords::AppendSearchText(std::string& out, const rVTNodeData& data) {
  // One buffer per thread keeps reading a large tree free of allocations.
  thread_local std::string decoded;
  const std::size_t start = out.size();
  out += '\n';
  out += data.Name;
  DecodeNodeTextInto(decoded, data.Popup);
  out += '\n';
  out += decoded;
  DecodeNodeTextInto(decoded, data.Macro);
  out += '\n';
  out += decoded;
  std::string_view added(out);
  added.remove_prefix(start);
  // Folding keeps every byte in place, so the added part folds where it stands.
  std::string folded(added);
  FoldInPlace(folded);
  out.replace(start, std::string::npos, folded);
}

bool FilterWords::MatchesSearchText(std::string_view text) const {
  return std::all_of(words_.begin(), words_.end(), [&](const std::string& word) {
    return text.find(word) != std::string_view::npos;
  });
}

bool FilterWords::Matches(const rVTNodeData& data) const {
  std::string text;
  AppendSearchText(text, data);
  return MatchesSearchText(text);
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
  if (FilterWords(typed).empty()) {
    clear();
    return;
  }
  if (readsTreeAgain(tree)) readTree(tree);
  prepare(typed, tree, keep);
  commit();
}

bool NodeFilter::prepare(std::string_view typed, const ConnectionTree& tree, const TreeNode* keep) {
  FilterWords words(typed);
  const bool narrowing = narrowable_ && active() && words.Narrows(words_);
  words_ = std::move(words);
  if (narrowing)
    collect(tree, shown_.matchPlaces, keep);
  else
    collectAll(tree, keep);
  return next_.row != shown_.row;
}

void NodeFilter::commit() {
  std::swap(shown_, next_);
  narrowable_ = true;
}

void NodeFilter::refresh(const ConnectionTree& tree, const TreeNode* keep) {
  if (!active()) return;
  readTree(tree);
  collectAll(tree, keep);
  commit();
}

void NodeFilter::collectAll(const ConnectionTree& tree, const TreeNode* keep) {
  std::vector<int> every(nodes_.size());
  for (std::size_t i = 0; i < every.size(); ++i) every[i] = static_cast<int>(i);
  collect(tree, every, keep);
}

void NodeFilter::clear() {
  words_ = FilterWords();
  shown_ = Shown();
  next_ = Shown();
  narrowable_ = false;
}

void NodeFilter::readAhead(const ConnectionTree& tree) {
  if (readsTreeAgain(tree)) readTree(tree);
}

// Takes the nodes in pre-order and their search texts, one after the other in one string.
void NodeFilter::readTree(const ConnectionTree& tree) {
  tree_ = &tree;
  nodes_.clear();
  nodes_.reserve(static_cast<std::size_t>(tree.nodeCount()));
  textStart_.clear();
  textStart_.reserve(nodes_.capacity() + 1);
  searchText_.clear();
  for (const TreeNode* node = tree.first(); node; node = tree.next(node)) {
    nodes_.push_back(node);
    textStart_.push_back(searchText_.size());
    FilterWords::AppendSearchText(searchText_, node->data);
  }
  textStart_.push_back(searchText_.size());
  current_ = true;
  // What showed belongs to the tree as it was.
  shown_ = Shown();
  narrowable_ = false;
}

bool NodeFilter::shows(const TreeNode* node) const { return !active() || shownRow(node) >= 0; }

int NodeFilter::place(const TreeNode* node) const {
  if (!node || !tree_) return -1;
  const int index = tree_->preorderIndex(node);
  if (index < 0 || index >= static_cast<int>(nodes_.size())) return -1;
  return nodes_[static_cast<std::size_t>(index)] == node ? index : -1;
}

int NodeFilter::shownRow(const TreeNode* node) const {
  const int at = place(node);
  return at < 0 ? -1 : shown_.row[static_cast<std::size_t>(at)];
}

int NodeFilter::shownChildCount(const TreeNode* parent) const {
  if (!parent) return static_cast<int>(shown_.topLevel.size());
  const int at = place(parent);
  return at < 0 ? 0 : shown_.childCount[static_cast<std::size_t>(at)];
}

TreeNode* NodeFilter::shownChild(const TreeNode* parent, int row) const {
  if (row < 0 || row >= shownChildCount(parent)) return nullptr;
  if (!parent) return shown_.topLevel[static_cast<std::size_t>(row)];
  const int first = shown_.firstChild[static_cast<std::size_t>(place(parent))];
  return shown_.children[static_cast<std::size_t>(first + row)];
}

void NodeFilter::collect(const ConnectionTree& tree, const std::vector<int>& candidates,
                         const TreeNode* keep) {
  next_.matches.clear();
  next_.matchPlaces.clear();
  next_.row.assign(nodes_.size(), -1);
  const std::string_view all(searchText_);
  for (const int at : candidates) {
    const auto i = static_cast<std::size_t>(at);
    const TreeNode* node = nodes_[i];
    if (IsSeparator(node)) continue;
    if (!words_.MatchesSearchText(all.substr(textStart_[i], textStart_[i + 1] - textStart_[i])))
      continue;
    next_.matches.push_back(node);
    next_.matchPlaces.push_back(at);
    showWithAncestors(node);
  }
  if (keep) showWithAncestors(keep);
  showWithAncestors(tree.computerNode());
  placeShownNodes(tree);
}

// Marks the node and its ancestors shown (row 0 until placeShownNodes numbers them).
void NodeFilter::showWithAncestors(const TreeNode* node) {
  for (int at = place(node); at >= 0; at = place(node)) {
    int& row = next_.row[static_cast<std::size_t>(at)];
    if (row >= 0) return;
    row = 0;
    node = node->parent();
  }
}

// Numbers the shown nodes among their shown siblings and lists each one's shown children,
// from the top down without recursion: only the children of shown nodes are looked at.
void NodeFilter::placeShownNodes(const ConnectionTree& tree) {
  next_.firstChild.assign(nodes_.size(), 0);
  next_.childCount.assign(nodes_.size(), 0);
  next_.children.clear();
  next_.topLevel.clear();
  std::vector<TreeNode*> pending;
  for (int row = 0; row < tree.topLevelCount(); ++row) {
    TreeNode* node = tree.topLevel(row);
    const int at = place(node);
    if (at < 0 || next_.row[static_cast<std::size_t>(at)] < 0) continue;
    next_.row[static_cast<std::size_t>(at)] = static_cast<int>(next_.topLevel.size());
    next_.topLevel.push_back(node);
    pending.push_back(node);
  }
  while (!pending.empty()) {
    const TreeNode* parent = pending.back();
    pending.pop_back();
    const auto parentAt = static_cast<std::size_t>(place(parent));
    next_.firstChild[parentAt] = static_cast<int>(next_.children.size());
    int count = 0;
    for (TreeNode* child = parent->firstChild(); child; child = child->nextSibling()) {
      const int at = place(child);  // -1 for a node added since nodes_ was taken
      if (at < 0 || next_.row[static_cast<std::size_t>(at)] < 0) continue;
      next_.row[static_cast<std::size_t>(at)] = count++;
      next_.children.push_back(child);
      if (child->childCount() > 0) pending.push_back(child);
    }
    next_.childCount[parentAt] = count;
  }
}

}  // namespace skelder

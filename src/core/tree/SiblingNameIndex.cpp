#include "core/tree/SiblingNameIndex.h"

#include <algorithm>

#include "core/tree/NodeNaming.h"

namespace skelder {

namespace {

std::uint64_t PairKey(int first, int second) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(first)) << 32) |
         static_cast<std::uint32_t>(second);
}

// "Copy of X" gives (X, 1); "Copy (n) of X" gives (X, n) for n >= 2 written as the copy
// names write it (no sign, no leading zero); anything else (nullptr, 0).
bool ParseCopyName(const std::string& text, std::string& base, std::int64_t& index) {
  static const std::string kCopyOf = "Copy of ";
  static const std::string kCopy = "Copy (";
  if (text.compare(0, kCopyOf.size(), kCopyOf) == 0) {
    base = text.substr(kCopyOf.size());
    index = 1;
    return true;
  }
  if (text.compare(0, kCopy.size(), kCopy) != 0) return false;
  std::size_t at = kCopy.size();
  std::int64_t number = 0;
  const std::size_t digits = at;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - digits < 10)
    number = number * 10 + (text[at++] - '0');
  if (at == digits || text[digits] == '0' || number < 2 || number > INT32_MAX) return false;
  if (text.compare(at, 5, ") of ") != 0) return false;
  base = text.substr(at + 5);
  index = number;
  return true;
}

}  // namespace

SiblingNameIndex::SiblingNameIndex(const TreeNode* parent) : parent_(parent) {
  for (const TreeNode* child = parent ? parent->firstChild() : nullptr; child;
       child = child->nextSibling()) {
    starts_.push_back(pieces_.size());
    const std::string& name = child->data.Name;
    std::size_t begin = 0;
    for (;;) {
      const std::size_t lineFeed = name.find('\n', begin);
      const int id = intern(name.substr(begin, lineFeed - begin));
      pieces_.push_back(id);
      ++counts_[static_cast<std::size_t>(id)];
      if (lineFeed == std::string::npos) break;
      begin = lineFeed + 1;
    }
  }
  starts_.push_back(pieces_.size());
}

int SiblingNameIndex::intern(const std::string& piece) {
  const auto [it, added] = ids_.try_emplace(piece, static_cast<int>(texts_.size()));
  if (added) {
    texts_.push_back(piece);
    forms_.emplace_back();
    counts_.push_back(0);
  }
  return it->second;
}

int SiblingNameIndex::find(const std::string& piece) const {
  const auto it = ids_.find(piece);
  return it == ids_.end() ? -1 : it->second;
}

// Worked out on first use: "Copy of Copy of X" names "Copy of X" as its base, whose own
// form waits until it is asked for.
const SiblingNameIndex::CopyForm& SiblingNameIndex::formOf(int id) {
  if (!forms_[static_cast<std::size_t>(id)].known) {
    CopyForm form;
    form.known = true;
    std::string base;
    std::int64_t index = 0;
    if (ParseCopyName(texts_[static_cast<std::size_t>(id)], base, index)) {
      form.base = intern(base);
      form.index = index;
    }
    forms_[static_cast<std::size_t>(id)] = form;
  }
  return forms_[static_cast<std::size_t>(id)];
}

std::size_t SiblingNameIndex::startOf(const TreeNode* child) const {
  return starts_[static_cast<std::size_t>(child->row())];
}

std::size_t SiblingNameIndex::endOf(const TreeNode* child) const {
  return starts_[static_cast<std::size_t>(child->row()) + 1];
}

// The others' list is at most two characters long: no other sibling, or one with an
// empty name.
bool SiblingNameIndex::fewOthers(const TreeNode* child) const {
  const int others = parent_ ? parent_->childCount() - 1 : 0;
  if (others <= 0) return true;
  if (others > 1) return false;
  const TreeNode* other = child->row() == 0 ? parent_->child(1) : parent_->child(0);
  return other->data.Name.empty();
}

std::string SiblingNameIndex::uniqueName(const TreeNode* child) {
  if (fewOthers(child)) return child->data.Name;
  return child->data.Name.find('\n') == std::string::npos ? shortName(child) : longName(child);
}

std::string SiblingNameIndex::shortName(const TreeNode* child) {
  const std::string& name = child->data.Name;
  const auto taken = [this](const std::string& candidate, int own) {
    const int id = find(candidate);
    return id >= 0 && counts_[static_cast<std::size_t>(id)] - own > 0;
  };
  if (!taken(name, 1)) return name;
  std::int64_t& next = nextShort_[find(name)];
  next = std::max<std::int64_t>(next, 1);
  while (taken(CopyCandidate(name, static_cast<int>(next)), 0)) ++next;
  return CopyCandidate(name, static_cast<int>(next));
}

std::string SiblingNameIndex::longName(const TreeNode* child) {
  const std::string& text = child->data.Name;
  const std::size_t index = longIndex_.count(text) ? longIndex_[text] : longNames_.size();
  if (index == longNames_.size()) registered(text);
  LongName& name = longNames_[index];
  const std::size_t length = name.pieces.size();
  const std::size_t start = startOf(child);
  const std::size_t end = endOf(child);
  const std::size_t reach = start >= length - 1 ? start - (length - 1) : 0;

  // The child's own pieces are not in the others' list; its neighbours meet instead.
  std::unordered_map<std::int64_t, int> change;
  for (std::size_t at = reach; at < end && at + length <= pieces_.size(); ++at)
    if (const std::int64_t number = matchAt(pieces_, at, name); number >= 0) --change[number];
  if (start > 0 && end < pieces_.size()) {
    std::vector<int> joined(pieces_.begin() + static_cast<std::ptrdiff_t>(reach),
                            pieces_.begin() + static_cast<std::ptrdiff_t>(start));
    const std::size_t left = joined.size();
    const std::size_t right = std::min(pieces_.size(), end + length - 1);
    joined.insert(joined.end(), pieces_.begin() + static_cast<std::ptrdiff_t>(end),
                  pieces_.begin() + static_cast<std::ptrdiff_t>(right));
    for (std::size_t at = 0; at < left; ++at)
      if (at + length > left && at + length <= joined.size())
        if (const std::int64_t number = matchAt(joined, at, name); number >= 0) ++change[number];
  }
  const auto occurrences = [&name](std::int64_t number) {
    const auto it = name.counts.find(number);
    return it == name.counts.end() ? 0 : it->second;
  };
  const auto taken = [&](std::int64_t number) {
    const auto it = change.find(number);
    return occurrences(number) + (it == change.end() ? 0 : it->second) > 0;
  };
  while (occurrences(name.free) > 0) ++name.free;
  std::int64_t number = name.free;
  for (const auto& [changed, delta] : change)
    if (delta < 0 && changed < number && !taken(changed)) number = changed;
  if (number == name.free)
    while (taken(number)) ++number;
  return CopyCandidate(text, static_cast<int>(number));
}

SiblingNameIndex::LongName& SiblingNameIndex::registered(const std::string& text) {
  LongName name;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t lineFeed = text.find('\n', begin);
    name.pieces.push_back(intern(text.substr(begin, lineFeed - begin)));
    if (lineFeed == std::string::npos) break;
    begin = lineFeed + 1;
  }
  if (!pairsIndexed_) indexPairs();
  const auto found = pairs_.find(PairKey(name.pieces[0], name.pieces[1]));
  if (found != pairs_.end()) {
    std::vector<std::size_t> positions = found->second;
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (const std::size_t at : positions)
      if (at + name.pieces.size() <= pieces_.size())
        if (const std::int64_t number = matchAt(pieces_, at, name); number >= 0)
          ++name.counts[number];
  }
  const std::size_t index = longNames_.size();
  std::vector<int> distinct = name.pieces;
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  for (const int piece : distinct) longByPiece_[piece].push_back(index);
  longIndex_.emplace(text, index);
  longNames_.push_back(std::move(name));
  return longNames_.back();
}

std::int64_t SiblingNameIndex::matchAt(const std::vector<int>& sequence, std::size_t position,
                                       const LongName& name) {
  for (std::size_t offset = 1; offset < name.pieces.size(); ++offset)
    if (sequence[position + offset] != name.pieces[offset]) return -1;
  const int first = sequence[position];
  if (first == name.pieces[0]) return 0;
  const CopyForm form = formOf(first);
  return form.base == name.pieces[0] ? form.index : -1;
}

void SiblingNameIndex::indexPairs() {
  pairsIndexed_ = true;
  for (std::size_t at = 0; at + 1 < pieces_.size(); ++at) addPairs(at);
}

void SiblingNameIndex::addPairs(std::size_t position) {
  if (position + 1 >= pieces_.size()) return;
  const int first = pieces_[position];
  const int second = pieces_[position + 1];
  pairs_[PairKey(first, second)].push_back(position);
  const CopyForm form = formOf(first);
  if (form.base >= 0) pairs_[PairKey(form.base, second)].push_back(position);
}

void SiblingNameIndex::renamed(const TreeNode* child, const std::string& name) {
  const std::size_t position = startOf(child);
  const int old = pieces_[position];
  const int now = intern(name.substr(0, name.find('\n')));
  if (now == old) return;

  // The long names whose occurrences may pass through the changed piece.
  std::vector<std::size_t> affected;
  for (const int piece : {old, now, formOf(old).base, formOf(now).base}) {
    const auto it = longByPiece_.find(piece);
    if (it != longByPiece_.end())
      affected.insert(affected.end(), it->second.begin(), it->second.end());
  }
  std::sort(affected.begin(), affected.end());
  affected.erase(std::unique(affected.begin(), affected.end()), affected.end());
  const auto recount = [&](int delta) {
    for (const std::size_t index : affected) {
      LongName& long_name = longNames_[index];
      const std::size_t length = long_name.pieces.size();
      const std::size_t from = position >= length - 1 ? position - (length - 1) : 0;
      for (std::size_t at = from; at <= position && at + length <= pieces_.size(); ++at) {
        const std::int64_t number = matchAt(pieces_, at, long_name);
        if (number < 0) continue;
        int& count = long_name.counts[number];
        count += delta;
        if (count <= 0) {
          long_name.counts.erase(number);
          long_name.free = std::min(long_name.free, number);
        }
      }
    }
  };
  recount(-1);
  pieces_[position] = now;
  --counts_[static_cast<std::size_t>(old)];
  ++counts_[static_cast<std::size_t>(now)];
  recount(+1);
  if (pairsIndexed_) {
    if (position > 0) addPairs(position - 1);
    addPairs(position);
  }
}

}  // namespace skelder

#include "core/run/KeywordHint.h"

#include "core/run/MacroAssembly.h"
#include "core/text/Texts.h"

namespace skelder {

namespace {

const char* const kNotSet = "[Not set]";

std::string FirstWord(const std::string& name) { return name.substr(0, name.find(' ')); }

bool IsComputerNode(const TreeNode* node) { return node->parent() == nullptr; }

// The names of the node and its ancestors below the ComputerNode, outermost first, each
// non-empty one followed by "_".
std::string FullBranchName(const TreeNode& node) {
  std::string branch;
  for (const TreeNode* n = &node; !IsComputerNode(n); n = n->parent())
    if (!n->data.Name.empty()) branch = n->data.Name + "_" + branch;
  return branch;
}

// The values that need no node.
std::string UserKeywordValue(const std::string& word, const HintValues& values) {
  if (word == "$USER$") return UpperCase(values.userName);
  if (word == "$User$") return values.userName;
  if (word == "$user$") return LowerCase(values.userName);
  const std::string lower = LowerCase(word);
  const UserData& data = values.userData;
  if (lower == "$name$") return data.name;
  if (lower == "$email$") return data.email;
  if (lower == "$phone$") return data.phone;
  if (lower == "$mobile$") return data.mobile;
  if (lower == "$pager$") return data.pager;
  if (lower == "$logdir$") return values.logsFolder ? values.logsFolder() : std::string();
  if (lower == "$logit$") return "[Opens log file]";
  if (lower == "$ttdir$") return values.programFolder;
  if (lower == "$windir$") return values.windowsFolder;
  return kNotSet;
}

}  // namespace

bool IsSkelderKeyword(const KeywordStore& keywords, const std::string& word) {
  return keywords.IsSkelderKeyword(LowerCase(word));
}

std::string KeywordValueText(const std::string& word, const TreeNode* focused,
                             const HintValues& values, const Clock& clock) {
  std::string text;
  const std::string lower = LowerCase(word);
  if (focused && word == "$connection$") {
    text = FirstWord(focused->data.Name);
  } else if (focused && word == "$CONNECTION$") {
    text = focused->data.Name;
  } else if (focused && lower == "$logfilename$") {
    text = SafeFileName(FullBranchName(*focused)) + TimeStamp(clock.now()) + ".log";
    if (word == "$LOGFILENAME$")
      text = (values.logsFolder ? values.logsFolder() : std::string()) + text;
  } else if (focused && lower == "$parent$" && !IsComputerNode(focused) &&
             !IsComputerNode(focused->parent())) {
    const std::string& name = focused->parent()->data.Name;
    text = word == "$parent$" ? FirstWord(name) : name;
  } else {
    text = UserKeywordValue(word, values);
  }
  return text.empty() ? kNotSet : text;
}

}  // namespace skelder

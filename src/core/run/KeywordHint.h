#pragma once
// The keyword hint of the macro editor: which words are Skelder keywords, and the value
// the hint shows for one.
#include <functional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/editor/KeywordStore.h"
#include "core/run/KeywordSubstitution.h"
#include "core/tree/TreeNode.h"

namespace skelder {

// Whether the word's lower-case form is a Skelder keyword of the keyword file.
bool IsSkelderKeyword(const KeywordStore& keywords, const std::string& word);

// What the hint needs besides the word and the focused node.
struct HintValues {
  std::string userName;
  UserData userData;
  std::string programFolder;  // with its separator
  std::string windowsFolder;  // with its separator
  // The Logs folder with its separator, made when missing; asked only when a word needs it.
  std::function<std::string()> logsFolder;
};

// The value of the keyword (as written in the editor) for the focused node (null when
// none); "[Not set]" when it has none or it is empty.
std::string KeywordValueText(const std::string& word, const TreeNode* focused,
                             const HintValues& values, const Clock& clock);

}  // namespace skelder

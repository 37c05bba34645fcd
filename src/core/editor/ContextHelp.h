#pragma once
// Context help of the macro editor: the word at the caret and where its help topic is.
#include <string>

namespace skelder {

// The word of a line around a caret index, delimited by the TTL word characters; empty
// when the caret touches none.
std::string WordAt(const std::string& line, size_t index);

enum class HelpSource {
  CurrentFile,  // the Macro page's topic in the help file selected already
  Product,      // "Skelder.chm"
  TeraTerm,     // "TeraTerm.chm"
};

struct HelpTopic {
  HelpSource source;
  int number;
  bool operator==(const HelpTopic& o) const { return source == o.source && number == o.number; }
};

inline constexpr int kMacroPageTopic = 6050;

// Where the help number of a keyword leads: none (0 or less) to the Macro page's topic,
// 1 to 9999 to a topic of the program's help, from 10000 on to one of Tera Term's.
HelpTopic HelpTopicOf(int number);

}  // namespace skelder

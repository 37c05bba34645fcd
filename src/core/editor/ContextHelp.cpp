#include "core/editor/ContextHelp.h"

#include "core/editor/TtlCharacters.h"

namespace skelder {

std::string WordAt(const std::string& line, size_t index) {
  size_t begin = index < line.size() ? index : line.size();
  size_t end = begin;
  while (begin > 0 && IsWordChar(line[begin - 1])) --begin;
  while (end < line.size() && IsWordChar(line[end])) ++end;
  return line.substr(begin, end - begin);
}

HelpTopic HelpTopicOf(int number) {
  if (number <= 0) return {HelpSource::CurrentFile, kMacroPageTopic};
  if (number < 10000) return {HelpSource::Product, number};
  return {HelpSource::TeraTerm, number};
}

}  // namespace skelder

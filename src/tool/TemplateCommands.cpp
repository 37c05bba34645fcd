#include "tool/TemplateCommands.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "core/editor/MacroTemplates.h"
#include "core/text/FileErrorText.h"
#include "tool/JsonText.h"

namespace skelder {

namespace {

std::string Quoted(const std::string& bytes) {
  return nlohmann::json(JsonTextFromBytes(bytes)).dump();
}

}  // namespace

int TemplatesSubcommand(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return 2;
  const std::string& path = arguments[0];
  MacroTemplates templates;
  std::error_code error;
  switch (templates.Load(path, &error)) {
    case MacroTemplates::LoadResult::Missing:
      std::cerr << "The file '" << path << "' does not exist.\n";
      return 1;
    case MacroTemplates::LoadResult::Unreadable:
      std::cerr << FileOpenErrorText(path, error) << '\n';
      return 1;
    case MacroTemplates::LoadResult::Read:
      break;
  }
  // One item a line.
  std::cout << "{\"items\": [";
  const char* separator = "\n  ";
  for (const TemplateMenuItem& item : templates.items()) {
    std::cout << separator;
    separator = ",\n  ";
    if (item.separator) {
      std::cout << "{\"separator\": true}";
      continue;
    }
    std::cout << "{\"caption\": " << Quoted(item.caption) << ", \"tag\": " << item.tag
              << ", \"body\": " << Quoted(templates.bodies()[item.tag]) << "}";
  }
  std::cout << (templates.items().empty() ? "]}\n" : "\n]}\n") << std::flush;
  return std::cout ? 0 : 1;
}

}  // namespace skelder

#include "tool/CheckCommands.h"

#include <filesystem>
#include <iostream>

#include "core/base/ProgramFolder.h"
#include "core/check/MacroChecker.h"
#include "core/run/KeywordSubstitution.h"
#include "core/text/FileBytes.h"
#include "core/text/FileErrorText.h"
#include "platform/Platform.h"

namespace skelder {

void LoadCheckKeywords(const std::string& folder, KeywordStore& keywords) {
  const std::string path = ProgramFilePath(folder, "KeyFile.ini");
  if (!keywords.LoadKeywords(path))
    std::cerr << "No keyword file " << path << ": commands are not checked\n";
}

void PrintFindings(const std::string& file, const std::vector<MacroFinding>& findings) {
  for (const MacroFinding& finding : findings) std::cout << FindingLine(file, finding) << '\n';
}

int CheckTtlSubcommand(const std::vector<std::string>& arguments) {
  std::vector<std::string> files;
  std::string folderOption;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--folder" && i + 1 < arguments.size()) {
      folderOption = arguments[++i];
    } else if (arguments[i].compare(0, 2, "--") == 0) {
      files.clear();
      break;
    } else {
      files.push_back(arguments[i]);
    }
  }
  if (files.empty()) {
    std::cerr << "usage: skeldertool check-ttl FILE... [--folder DIR]\n";
    return 2;
  }
  const std::string folder =
      folderOption.empty() ? FolderOf(CreatePlatform().system->executablePath())
                           : WithTrailingSeparator(std::filesystem::absolute(folderOption).string(),
                                                   PathSeparator());
  KeywordStore keywords;
  LoadCheckKeywords(folder, keywords);
  const MacroChecker checker(keywords);
  bool unreadable = false, errors = false;
  for (const std::string& file : files) {
    std::string text;
    if (const std::error_code error = ReadFileBytes(file, text)) {
      std::cerr << FileOpenErrorText(file, error) << '\n';
      unreadable = true;
      continue;
    }
    const std::vector<MacroFinding> findings = checker.Check(text);
    PrintFindings(file, findings);
    errors = errors || HasErrors(findings);
  }
  std::cout << std::flush;
  return unreadable ? 2 : errors ? 1 : 0;
}

}  // namespace skelder

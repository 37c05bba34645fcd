#include "core/base/ProgramFolder.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/Platform.h"

namespace skelder {

namespace fs = std::filesystem;

static bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string ProgramFilePath(const std::string& programFolder, const std::string& name) {
  std::string path = programFolder;
  if (path.empty() || !IsSeparator(path.back())) path += PathSeparator();
  return path + name;
}

std::string EnsureProgramFolder(const std::string& programFolder, const std::string& name,
                                UserDialogs& dialogs) {
  std::string path = ProgramFilePath(programFolder, name);
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  std::error_code ec;
  if (fs::is_directory(path, ec)) return path;
  if (!fs::create_directory(path, ec) || !fs::is_directory(path, ec)) {
    dialogs.error("Cannot create directory" + path);
    return {};
  }
  return path;
}

std::string FolderOf(const std::string& filePath) {
  const auto cut = filePath.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : filePath.substr(0, cut + 1);
}

std::string FileNameOf(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace skelder

namespace skelder {

std::string FindProgramFile(const std::string& programFolder, const std::string& name) {
  const std::string exact = ProgramFilePath(programFolder, name);
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  auto upper = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  };
  const std::string wanted = upper(name);
  for (fs::directory_iterator it(ProgramFilePath(programFolder, ""), ec), end; !ec && it != end;
       it.increment(ec))
    if (upper(it->path().filename().string()) == wanted) return it->path().string();
  return exact;
}

}  // namespace skelder

namespace skelder {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::string OwnExecutableName() { return std::string("Skelderc") + ExecutableSuffix(); }

bool TeraTermPresent(const std::string& programFolder, UserDialogs& dialogs,
                     std::string& teraTermExe) {
  teraTermExe = ProgramFilePath(programFolder, "ttermpro.exe");
  if (FileExists(teraTermExe)) return true;
  dialogs.error("TTERMPRO.EXE not found.\rPlease move " + OwnExecutableName() +
                " into TeraTerm directory.");
  return false;
}

}  // namespace skelder

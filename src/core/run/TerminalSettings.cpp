#include "core/run/TerminalSettings.h"

#include <filesystem>
#include <system_error>

#include "core/base/ProgramFolder.h"
#include "core/properties/ColorSchemas.h"
#include "core/text/FileBytes.h"
#include "core/text/FileErrorText.h"
#include "core/text/IniFile.h"
#include "platform/Platform.h"

namespace skelder {

namespace {

// Six numbers from the index on, joined by ",".
std::string ColorValue(const ColorSet& colors, std::size_t from) {
  std::string value;
  for (std::size_t i = from; i < from + 6; ++i) {
    if (i > from) value += ',';
    value += std::to_string(colors.bytes[i]);
  }
  return value;
}

// The colours of the run, worked out on a copy of the working set so that the Colors
// page keeps what it shows.
ColorSet RunColors(const TerminalColors& colors, const std::string& teraTermIni) {
  ColorSet result = colors.workingColors;
  if (colors.pendingEdits) return result;
  const TreeNode* source = colors.batch ? colors.node : colors.focused;
  ParseColorString(NodeColorString(source, teraTermIni), result);
  return result;
}

}  // namespace

bool WriteTerminalSettings(const std::string& programFolder, const std::string& target,
                           const TerminalColors& colors, const TerminalOptions& options,
                           UserDialogs& dialogs) {
  const std::string source = ProgramFilePath(programFolder, "teraterm.ini");
  std::string bytes;
  if (const std::error_code error = ReadFileBytes(source, bytes)) {
    dialogs.error(FileOpenErrorText(source, error));
    return false;
  }
  IniFile ini(std::move(bytes));
  if (!options.noColors) {
    const ColorSet run = RunColors(colors, source);
    ini.writeString("Tera Term", "VTColor", ColorValue(run, 0));
    ini.writeString("Tera Term", "VTBoldColor", ColorValue(run, 6));
    ini.writeString("Tera Term", "VTBlinkColor", ColorValue(run, 12));
    ini.writeString("Tera Term", "URLColor", ColorValue(run, 18));
  }
  ini.writeString("BG", "BGEnable", "off");
  if (options.useAsTTFont) {
    const std::string font = ini.readString("Tera Term", "VTFont");
    if (!font.empty())
      ini.writeString("Tera Term", "VTFont",
                      TerminalFontValue(font, options.fontName, options.fontHeight));
  }
  if (options.doNotPrompt && colors.batch) ini.writeString("Tera Term", "ConfirmDisconnect", "Off");
  if (const std::error_code error = ReplaceFileBytes(target, ini.bytes())) {
    dialogs.error(FileCreateErrorText(target, error));
    return false;
  }
  return true;
}

std::string TerminalFontValue(const std::string& oldValue, const std::string& fontName,
                              int fontHeight) {
  std::string fields[3];
  std::string rest;
  std::size_t begin = 0;
  for (int field = 0; field < 3 && begin != std::string::npos; ++field) {
    const std::size_t comma = oldValue.find(',', begin);
    fields[field] = oldValue.substr(begin, comma == std::string::npos ? comma : comma - begin);
    begin = comma == std::string::npos ? comma : comma + 1;
  }
  if (begin != std::string::npos) rest = oldValue.substr(begin);
  return fontName + "," + fields[1] + "," + std::to_string(fontHeight) + "," + rest;
}

int FontHeightFromPoints(int points, int pixelsPerInch) {
  const long long product = static_cast<long long>(points) * pixelsPerInch;
  const long long rounded = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
  return -static_cast<int>(rounded);
}

bool CygwinAvailable(const std::string& programFolder) {
  const std::string path = ProgramFilePath(programFolder, "teraterm.ini");
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  IniFile ini;
  if (!ini.load(path)) return false;
  std::string folder = ini.readString("Tera Term", "CygwinDirectory");
  if (folder.empty()) return false;
  if (folder.back() != '\\' && folder.back() != '/') folder += PathSeparator();
  return std::filesystem::is_directory(folder + "bin", ec);
}

}  // namespace skelder

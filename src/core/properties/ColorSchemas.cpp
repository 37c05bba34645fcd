#include "core/properties/ColorSchemas.h"

#include <algorithm>
#include <filesystem>

#include "core/properties/ColorSet.h"
#include "core/text/IniFile.h"
#include "core/tree/TreeNode.h"

namespace skelder {

namespace {

const std::vector<std::string> kColorStrings = {
    "0:0:0:255:255:216:0:0:255:255:255:216:0:255:255:255:255:216:0:0:255:255:255:216",
    "0:0:0:255:255:148:0:0:255:255:255:148:0:255:255:255:255:148:0:0:255:255:255:148",
    "0:0:0:255:255:255:0:0:255:255:255:255:0:255:255:255:255:255:0:0:255:255:255:255",
    "200:200:200:0:128:128:255:255:0:0:128:128:0:255:255:0:128:128:128:128:255:0:128:128",
    "0:255:0:0:0:0:255:255:0:0:0:0:0:255:255:0:0:0:0:255:255:0:0:0",
    "200:200:200:0:0:0:216:216:0:0:0:0:0:216:216:0:0:0:0:0:255:0:0:0",
    "255:255:255:0:0:0:255:255:0:0:0:0:0:255:255:0:0:0:0:0:255:0:0:0",
};

}  // namespace

const std::vector<std::string>& SchemaNames() {
  static const std::vector<std::string> names = {
      "Black on Light color", "Black on Light Yellow", "Black on White", "Green Tint",
      "Green on Black",       "Grey on Black",         "White on Black", "from TeraTerm.ini file",
  };
  return names;
}

const std::string& BuiltInColorString(int index) {
  if (index < 0 || index >= kBuiltInSchemaCount) index = 0;
  return kColorStrings[static_cast<std::size_t>(index)];
}

const std::string& DefaultColorString() { return kColorStrings[0]; }

std::string TeraTermIniColors(const std::string& teraTermIniPath) {
  std::error_code ec;
  if (!std::filesystem::exists(teraTermIniPath, ec)) return DefaultColorString();
  IniFile ini;
  ini.load(teraTermIniPath);
  std::string colors = ini.readString("Tera Term", "VTColor") + "," +
                       ini.readString("Tera Term", "VTBoldColor") + "," +
                       ini.readString("Tera Term", "VTBlinkColor") + "," +
                       ini.readString("Tera Term", "URLColor");
  const auto replaced = std::count(colors.begin(), colors.end(), ',');
  std::replace(colors.begin(), colors.end(), ',', ':');
  // Exactly 23 separators are not enough: every field must be a number too, or the
  // result would be no colour string at all.
  ColorSet parsed;
  if (replaced != 23 || !ParseColorString(colors, parsed)) return DefaultColorString();
  return colors;
}

std::string SchemaColorString(int index, const std::string& teraTermIniPath) {
  if (index == kTeraTermIniSchema) return TeraTermIniColors(teraTermIniPath);
  return BuiltInColorString(index);
}

std::string NodeColorString(const TreeNode* node, const std::string& teraTermIniPath) {
  return node ? node->data.Colors : TeraTermIniColors(teraTermIniPath);
}

}  // namespace skelder

#pragma once
// The built-in colour schemas and the colours of Tera Term's own settings file.
#include <string>
#include <vector>

namespace skelder {

class TreeNode;

inline constexpr int kBuiltInSchemaCount = 7;
// The index of the schema list's last entry, "from TeraTerm.ini file".
inline constexpr int kTeraTermIniSchema = 7;

// The names of the schema list: the seven built-in schemas, then "from TeraTerm.ini file".
const std::vector<std::string>& SchemaNames();
// The colour string of built-in schema 0 to 6 (schema 0 for any other index).
const std::string& BuiltInColorString(int index);
// The fallback colour string: that of schema 0.
const std::string& DefaultColorString();

// The colours of "VTColor", "VTBoldColor", "VTBlinkColor" and "URLColor" in section
// "Tera Term" of the given teraterm.ini, as a colour string; schema 0 when the file is
// missing or the four values do not make 24 numbers.
std::string TeraTermIniColors(const std::string& teraTermIniPath);

// The built-in string for 0 to 6, TeraTermIniColors for 7.
std::string SchemaColorString(int index, const std::string& teraTermIniPath);

// The node's stored colour string, or TeraTermIniColors without a node.
std::string NodeColorString(const TreeNode* node, const std::string& teraTermIniPath);

}  // namespace skelder

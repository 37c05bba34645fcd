#include "tool/TableJson.h"

#include <algorithm>
#include <vector>

#include "core/tree/NodeTextEncoding.h"
#include "tool/JsonText.h"

namespace skelder {

namespace {

using nlohmann::json;

std::string Quoted(const std::string& bytes) { return json(JsonTextFromBytes(bytes)).dump(); }

void WriteNodeFields(std::ostream& out, const rVTNodeData& data) {
  out << "{\"name\": " << Quoted(data.Name) << ", \"level\": " << data.Level
      << ", \"kind\": " << data.NodeKind << ", \"logging\": " << int{data.StartLogging}
      << ", \"macro\": " << Quoted(DecodeNodeText(data.Macro))
      << ", \"popup\": " << Quoted(DecodeNodeText(data.Popup))
      << ", \"schedule\": " << Quoted(data.Schedule)
      << ", \"lastUpdated\": " << Quoted(data.LastUpdated)
      << ", \"colors\": " << Quoted(data.Colors) << ", \"children\": [";
}

// Indentation shows the nesting, up to a depth where it would only make lines long.
std::string Indent(int depth) {
  return std::string(2 * static_cast<std::size_t>(std::min(depth, 32)), ' ');
}

struct Frame {
  const json* nodes;
  std::size_t next;
  TreeNode* parent;
};

bool TakeText(const json& node, const char* field, std::string& value, bool codePageBytes,
              std::string& error) {
  const auto it = node.find(field);
  if (it == node.end() || it->is_null()) return true;
  if (!it->is_string()) {
    error = std::string("\"") + field + "\" must be a string";
    return false;
  }
  value = BytesFromJsonText(it->get<std::string>(), codePageBytes);
  return true;
}

bool TakeNumber(const json& node, const char* field, std::int64_t min, std::int64_t max,
                std::int64_t& value, std::string& error) {
  const auto it = node.find(field);
  if (it == node.end() || it->is_null()) return true;
  if (it->is_boolean()) {
    value = it->get<bool>() ? 1 : 0;
    return true;
  }
  if (!it->is_number_integer() || it->get<std::int64_t>() < min || it->get<std::int64_t>() > max ||
      (it->is_number_unsigned() && it->get<std::uint64_t>() > static_cast<std::uint64_t>(max))) {
    error = std::string("\"") + field + "\" must be an integer from " + std::to_string(min) +
            " to " + std::to_string(max);
    return false;
  }
  value = it->get<std::int64_t>();
  return true;
}

bool RecordOf(const json& node, rVTNodeData& data, bool codePageBytes, std::string& error) {
  if (!node.is_object()) {
    error = "a node must be an object";
    return false;
  }
  std::string macro, popup;
  std::int64_t level = 0, kind = 0, logging = 0;
  if (!TakeText(node, "name", data.Name, codePageBytes, error) ||
      !TakeText(node, "macro", macro, codePageBytes, error) ||
      !TakeText(node, "popup", popup, codePageBytes, error) ||
      !TakeText(node, "schedule", data.Schedule, codePageBytes, error) ||
      !TakeText(node, "lastUpdated", data.LastUpdated, codePageBytes, error) ||
      !TakeText(node, "colors", data.Colors, codePageBytes, error) ||
      !TakeNumber(node, "level", INT32_MIN, INT32_MAX, level, error) ||
      !TakeNumber(node, "kind", INT32_MIN, INT32_MAX, kind, error) ||
      !TakeNumber(node, "logging", 0, 255, logging, error))
    return false;
  data.Macro = EncodeNodeText(macro, true);
  data.Popup = EncodeNodeText(popup, true);
  data.Level = static_cast<std::int32_t>(level);
  data.NodeKind = static_cast<std::int32_t>(kind);
  data.StartLogging = static_cast<std::uint8_t>(logging);
  return true;
}

}  // namespace

void WriteTableJson(std::ostream& out, const ConnectionTree& tree, const std::string& format) {
  out << "{\"format\": " << json(format).dump() << ", \"nodes\": [";
  const TreeNode* computer = tree.computerNode();
  const TreeNode* node = computer ? computer->firstChild() : nullptr;
  int depth = 1;
  while (node) {
    out << "\n" << Indent(depth);
    WriteNodeFields(out, node->data);
    if (const TreeNode* child = node->firstChild()) {
      node = child;
      ++depth;
      continue;
    }
    out << "]}";
    while (node != computer && !node->nextSibling()) {
      node = node->parent();
      --depth;
      if (node != computer) out << "]}";
    }
    if (node == computer) break;
    node = node->nextSibling();
    out << ",";
  }
  out << "]}\n";
}

bool AddNodesFromJson(const json& description, ConnectionTree& tree, bool codePageBytes,
                      std::string& error) {
  if (!description.is_object()) {
    error = "the table must be a JSON object";
    return false;
  }
  const auto nodes = description.find("nodes");
  if (nodes == description.end() || nodes->is_null()) return true;
  if (!nodes->is_array()) {
    error = "\"nodes\" must be an array";
    return false;
  }
  std::vector<Frame> frames{{&*nodes, 0, tree.computerNode()}};
  std::size_t count = 0;
  while (!frames.empty()) {
    Frame& frame = frames.back();
    if (frame.next >= frame.nodes->size()) {
      frames.pop_back();
      continue;
    }
    const json& node = (*frame.nodes)[frame.next++];
    ++count;
    rVTNodeData data;
    if (!RecordOf(node, data, codePageBytes, error)) {
      error = "node " + std::to_string(count) + ": " + error;
      return false;
    }
    TreeNode* added = tree.appendChild(frame.parent, std::move(data));
    const auto children = node.find("children");
    if (children == node.end() || children->is_null()) continue;
    if (!children->is_array()) {
      error = "node " + std::to_string(count) + ": \"children\" must be an array";
      return false;
    }
    frames.push_back({&*children, 0, added});
  }
  return true;
}

}  // namespace skelder

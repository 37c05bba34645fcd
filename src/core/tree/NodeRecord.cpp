#include "core/tree/NodeRecord.h"

#include <cstdint>

namespace skelder {

void AppendInt32(std::string& stream, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                         static_cast<char>((bits >> 16) & 0xFF),
                         static_cast<char>((bits >> 24) & 0xFF)};
  stream.append(bytes, 4);
}

static void AppendString(std::string& stream, const std::string& text) {
  AppendInt32(stream, static_cast<std::int32_t>(text.size()));
  stream += text;
}

bool VTSaveNode(std::string& stream, const rVTNodeData& data, std::int32_t level) {
  for (const std::string* text :
       {&data.Name, &data.Macro, &data.Popup, &data.Schedule, &data.LastUpdated, &data.Colors})
    if (text->size() > static_cast<std::size_t>(INT32_MAX)) return false;
  AppendInt32(stream, level);
  AppendInt32(stream, data.NodeKind);
  stream += static_cast<char>(data.StartLogging);
  AppendString(stream, data.Name);
  AppendString(stream, data.Macro);
  AppendString(stream, data.Popup);
  AppendString(stream, data.Schedule);
  AppendString(stream, data.LastUpdated);
  AppendString(stream, data.Colors);
  return true;
}

bool VTLoadNode(ByteReader& stream, rVTNodeData& data) {
  return stream.readInt32(data.Level) && stream.readInt32(data.NodeKind) &&
         stream.readByte(data.StartLogging) && stream.readString(data.Name) &&
         stream.readString(data.Macro) && stream.readString(data.Popup) &&
         stream.readString(data.Schedule) && stream.readString(data.LastUpdated) &&
         stream.readString(data.Colors);
}

}  // namespace skelder

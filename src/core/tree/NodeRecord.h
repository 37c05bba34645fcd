#pragma once
// The per-node record of the table file, also used for the tree's clipboard and drag
// data: Level, NodeKind (signed 32-bit), StartLogging (one byte), then Name, Macro,
// Popup, Schedule, LastUpdated and Colors, each a signed 32-bit byte count and the bytes.
// All integers are little-endian.
#include <cstdint>
#include <string>

#include "core/tree/ByteReader.h"
#include "core/tree/rVTNodeData.h"

namespace skelder {

// The smallest record: three numbers, the flag byte and six empty strings.
inline constexpr std::size_t kSmallestNodeRecord = 4 + 4 + 1 + 6 * 4;

// Appends the record with the given level. False (nothing appended) when a string is too
// long for its 32-bit count.
bool VTSaveNode(std::string& stream, const rVTNodeData& data, std::int32_t level);

// Reads one whole record; false when the bytes end early or a count cannot fit in them.
bool VTLoadNode(ByteReader& stream, rVTNodeData& data);

void AppendInt32(std::string& stream, std::int32_t value);

}  // namespace skelder

#pragma once
// The record of one node of the connection tree. Strings are bytes in the 8-bit code
// page; Macro and Popup hold the text encoded by EncodeNodeText.
#include <cstdint>
#include <string>

namespace skelder {

struct rVTNodeData {
  std::string Name;
  std::string Macro;
  std::string Popup;
  std::string Schedule;
  std::string LastUpdated;
  std::string Colors;
  // 0 never applied, 1 applied with an empty macro, 2 applied with a macro,
  // 3 turned into a separator line by renaming.
  std::int32_t NodeKind = 0;
  // Depth below the invisible root: 0 for the computer node, 1 for its children.
  std::int32_t Level = 0;
  std::uint8_t StartLogging = 0;
};

}  // namespace skelder

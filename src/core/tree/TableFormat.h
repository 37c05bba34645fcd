#pragma once
// The connection table file: a 5-byte signature, a signed 32-bit little-endian node
// count, then the node records (NodeRecord.h) in pre-order, the ComputerNode left out.
// The hierarchy is carried by each record's Level alone.
namespace skelder {

inline constexpr const char* kTableSignature = "SKD21";
// The previous format, read only: the colour strings hold six colours instead of eight.
inline constexpr const char* kOldTableSignature = "SKD20";
inline constexpr int kSignatureLength = 5;
// The file dialogs' filter for tables.
inline constexpr const char* kTableFilter = "Skelder file (*.SKD)|*.SKD|All files (*.*)|*.*";

}  // namespace skelder

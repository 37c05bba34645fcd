#pragma once
// Strict conversion of decimal text, as the settings and files of the program hold it.
#include <cstdint>
#include <string>

namespace skelder {

// A decimal integer with an optional sign that fits 32 bits, and nothing else (no
// blanks); false otherwise, leaving value as it was.
bool ParseDecimal(const std::string& text, std::int32_t& value);

}  // namespace skelder

#include "core/text/DecimalNumber.h"

#include <cstdint>

namespace skelder {

bool ParseDecimal(const std::string& text, std::int32_t& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  std::int64_t number = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    number = number * 10 + (text[i] - '0');
    if (number > 2147483648LL) return false;
  }
  if (negative) number = -number;
  if (number > INT32_MAX) return false;
  value = static_cast<std::int32_t>(number);
  return true;
}

}  // namespace skelder

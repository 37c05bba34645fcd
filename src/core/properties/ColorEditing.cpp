#include "core/properties/ColorEditing.h"

#include <algorithm>

#include "core/properties/ColorSchemas.h"

namespace skelder {

namespace {

std::size_t At(int index) { return static_cast<std::size_t>(index); }

}  // namespace

int ColorIndex(int attribute, bool background, int component) {
  return 6 * attribute + (background ? 3 : 0) + component;
}

void SetColorComponent(ColorSet& colors, int attribute, bool background, int component,
                       std::uint8_t value, bool sameBackground) {
  colors.bytes[At(ColorIndex(attribute, background, component))] = value;
  if (background && sameBackground) CopyBackground(colors, attribute);
}

void ReverseColors(ColorSet& colors, int attribute, bool allAttributes) {
  const int first = allAttributes ? 0 : attribute;
  const int last = allAttributes ? kColorAttributeCount - 1 : attribute;
  for (int a = first; a <= last; ++a)
    for (int component = 0; component < 3; ++component)
      std::swap(colors.bytes[At(ColorIndex(a, false, component))],
                colors.bytes[At(ColorIndex(a, true, component))]);
}

void CopyBackground(ColorSet& colors, int attribute) {
  for (int a = 0; a < kColorAttributeCount; ++a)
    for (int component = 0; component < 3; ++component)
      colors.bytes[At(ColorIndex(a, true, component))] =
          colors.bytes[At(ColorIndex(attribute, true, component))];
}

int MatchingSchema(const std::string& colors, const std::string& teraTermColors) {
  for (int schema = 0; schema < kBuiltInSchemaCount; ++schema)
    if (BuiltInColorString(schema) == colors) return schema;
  return teraTermColors == colors ? kTeraTermIniSchema : -1;
}

ColorSet ResolveColors(const std::string& colors, const std::string& teraTermColors) {
  ColorSet result;
  if (ParseColorString(colors, result)) return result;
  if (ParseColorString(teraTermColors, result)) return result;
  // Every field of the default string converts, so nothing of the failed tries remains.
  ParseColorString(DefaultColorString(), result);
  return result;
}

std::uint32_t CaretLineColor(std::uint32_t background) {
  std::uint32_t result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t value = (background >> shift) & 0xFFu;
    result |= (value > 127 ? value - 64 : value + 64) << shift;
  }
  return result;
}

}  // namespace skelder

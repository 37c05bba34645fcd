#pragma once
// Table file bytes written out by hand for tests: little-endian numbers, counted strings,
// node records and whole tables.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace skelder::testing {

inline std::string Int32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
          static_cast<char>(bits >> 24)};
}

inline std::string Text(const std::string& text) {
  return Int32(static_cast<std::int32_t>(text.size())) + text;
}

struct Record {
  Record(std::int32_t level, std::string name, std::string macro = {}, std::string popup = {},
         std::string schedule = {}, std::string lastUpdated = {}, std::string colors = {},
         std::int32_t kind = 0, char logging = 0)
      : level(level),
        name(std::move(name)),
        macro(std::move(macro)),
        popup(std::move(popup)),
        schedule(std::move(schedule)),
        lastUpdated(std::move(lastUpdated)),
        colors(std::move(colors)),
        kind(kind),
        logging(logging) {}
  std::int32_t level;
  std::string name, macro, popup, schedule, lastUpdated, colors;
  std::int32_t kind;
  char logging;
  std::string bytes() const {
    return Int32(level) + Int32(kind) + std::string(1, logging) + Text(name) + Text(macro) +
           Text(popup) + Text(schedule) + Text(lastUpdated) + Text(colors);
  }
};

inline std::string Table(const std::vector<Record>& records, const char* signature = "SKD21") {
  std::string bytes = signature + Int32(static_cast<std::int32_t>(records.size()));
  for (const auto& record : records) bytes += record.bytes();
  return bytes;
}

inline std::vector<Record> Levels(const std::vector<std::pair<std::int32_t, std::string>>& levels) {
  std::vector<Record> records;
  for (const auto& [level, name] : levels) records.push_back({level, name});
  return records;
}

}  // namespace skelder::testing

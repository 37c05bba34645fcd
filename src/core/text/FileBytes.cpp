#include "core/text/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/FileReplacement.h"

namespace skelder {

namespace fs = std::filesystem;

namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

}  // namespace

std::error_code ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found)
    return std::make_error_code(std::errc::no_such_file_or_directory);
  if (ec) return ec;
  if (status.type() == fs::file_type::directory)
    return std::make_error_code(std::errc::is_a_directory);
  if (status.type() != fs::file_type::regular)
    return std::make_error_code(std::errc::invalid_argument);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return LastError();
  const auto expected = fs::file_size(path, ec);
  if (!ec) bytes.reserve(static_cast<std::size_t>(expected));
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  const std::error_code readError = failed ? LastError() : std::error_code();
  std::fclose(file);
  if (failed) {
    bytes.clear();
    return readError ? readError : std::make_error_code(std::errc::io_error);
  }
  return {};
}

std::error_code ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  return ReplaceFileContents(path, bytes);
}

std::error_code CopyFileBytes(const std::string& source, const std::string& target) {
  std::string bytes;
  if (auto ec = ReadFileBytes(source, bytes)) return ec;
  return ReplaceFileBytes(target, bytes);
}

}  // namespace skelder

#pragma once
// Whole files as byte strings: reading, replacing atomically, copying.
#include <string>
#include <string_view>
#include <system_error>

namespace skelder {

// Reads the whole file into bytes. On failure (missing, not a regular file, a read
// error) returns the error and leaves bytes empty.
std::error_code ReadFileBytes(const std::string& path, std::string& bytes);

// Replaces the file's content atomically (platform/FileReplacement.h): the bytes go to
// a temporary file in the same folder, which is flushed to disk and then renamed over
// the path (through a symbolic link, to the file it names). On failure the old file is
// left as it was and the new one removed. An existing file keeps its permissions;
// temporary files that killed writers left beside it are removed.
std::error_code ReplaceFileBytes(const std::string& path, std::string_view bytes);

// Copies a file byte for byte, creating or replacing the target (atomically, as above).
std::error_code CopyFileBytes(const std::string& source, const std::string& target);

}  // namespace skelder

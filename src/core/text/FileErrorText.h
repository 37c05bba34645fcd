#pragma once
// The message that names a file operation that failed and the system's reason.
#include <string>
#include <system_error>

namespace skelder {

// "Cannot open file \"PATH\". " + the system's text, for reading; "Cannot create file"
// for writing.
std::string FileOpenErrorText(const std::string& path, std::error_code error);
std::string FileCreateErrorText(const std::string& path, std::error_code error);

}  // namespace skelder

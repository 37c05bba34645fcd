#pragma once
// Paths in the program's own folder, which is also Tera Term's folder.
#include <string>

#include "core/base/UserDialogs.h"

namespace skelder {

// The folder (ending with the path separator) followed by name; with an empty name the
// folder itself with its trailing separator.
std::string ProgramFilePath(const std::string& programFolder, const std::string& name);

// Forms ProgramFilePath(name) and creates that folder (one level) when it is missing.
// Returns the path without a trailing separator, or an empty text after the
// "Cannot create directory" error box when it cannot be made.
std::string EnsureProgramFolder(const std::string& programFolder, const std::string& name,
                                UserDialogs& dialogs);

// The folder part of a file path, with its trailing separator.
std::string FolderOf(const std::string& filePath);
// The name part of a path (after the last separator).
std::string FileNameOf(const std::string& path);

}  // namespace skelder

namespace skelder {

// ProgramFilePath(name), or the path of a file in the program folder whose name differs
// from it only in letter case (Windows names files without regard to case; Tera Term
// installs "TERATERM.INI" that the program reads as "teraterm.ini").
std::string FindProgramFile(const std::string& programFolder, const std::string& name);

// Whether a regular file stands at the path (never throws).
bool FileExists(const std::string& path);

// The program's own executable name: "Skelderc" with the system's executable suffix.
std::string OwnExecutableName();

// True when "ttermpro.exe" lies in the program folder; shows the error box otherwise.
// teraTermExe receives its full path either way.
bool TeraTermPresent(const std::string& programFolder, UserDialogs& dialogs,
                     std::string& teraTermExe);

}  // namespace skelder

#pragma once
// The steps of a host import that the window and the tool share: reading the source,
// the key files as Tera Term sees them, the new folder's name and the report.
#include <string>

#include "core/hosts/ImportedHost.h"

namespace skelder {

class ProgramPaths;
class PuttySessionStore;

// The source "putty" reads PuTTY's saved sessions; any other names an OpenSSH client
// configuration file (Include relative to homeFolder/.ssh).
HostImportResult ReadHostSource(const std::string& source, const std::string& homeFolder,
                                const PuttySessionStore& putty);

// The user's home folder: HOME, or USERPROFILE on Windows.
std::string HomeFolder();

// The key files' paths as the Tera Term program at teraTermExe opens them (Windows paths
// under Wine).
void KeyFilesAsTeraTermSeesThem(HostImportResult& result, ProgramPaths& paths,
                                const std::string& teraTermExe);

// "PuTTY sessions" or "OpenSSH " and the configuration file's name.
std::string HostFolderName(const std::string& source);

// "N hosts taken from SOURCE into "FOLDER"", then a line "skipped ENTRY: REASON" for each
// entry left out.
std::string HostImportReport(const HostImportResult& result, const std::string& folderName);

}  // namespace skelder

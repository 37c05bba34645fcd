#pragma once
// Replacing a file's whole content so that a crash at any moment leaves either the old
// content or the new one. The bytes go to a temporary file beside the target, which is
// flushed to disk and renamed over it; then the folder is flushed, so that the rename
// itself is durable. A symbolic link is kept: the file it names is replaced. An existing
// file keeps its permissions.
//
// The temporary file is named after the target and the writing process: the target's
// path + ".~" + process id + ".tmp" (with "-" + n before ".tmp" while one process
// writes the same file more than once at a time). Every replacement first removes the
// temporary files of the same target that processes no longer running left behind, so
// that writers killed in the middle leave nothing that piles up.
#include <string>
#include <string_view>
#include <system_error>

namespace skelder {

// newFileMode: the permissions of a file that did not exist yet (POSIX, less the umask).
std::error_code ReplaceFileContents(const std::string& path, std::string_view bytes,
                                    unsigned newFileMode = 0666);

// Whether fileName is the name of one of the temporary files for a target of the name
// targetName (both without folders); process is then the id of the process it names.
bool IsReplacementTemporary(const std::string& fileName, const std::string& targetName,
                            unsigned long& process);

// The path with its symbolic links followed to the file they name, which need not
// exist; the path itself when it is no link.
std::string LinkedFile(const std::string& path);

}  // namespace skelder

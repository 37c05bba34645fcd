#include "platform/posix/PuttySessionFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace skelder {

namespace fs = std::filesystem;

bool PuttySessionFiles::read(std::vector<PuttySession>& sessions, std::string& error) const {
  sessions.clear();
  std::error_code ec;
  if (!fs::is_directory(folder_, ec)) {
    error = "No PuTTY sessions: there is no folder " + folder_;
    return false;
  }
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    PuttySession session{it->path().filename().string(), {}};
    std::ifstream in(it->path(), std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t equals = line.find('=');
      if (equals != std::string::npos && equals > 0)
        session.values.emplace(line.substr(0, equals), line.substr(equals + 1));
    }
    sessions.push_back(std::move(session));
  }
  std::sort(sessions.begin(), sessions.end(),
            [](const PuttySession& a, const PuttySession& b) { return a.name < b.name; });
  return true;
}

std::unique_ptr<PuttySessionStore> CreatePuttySessionStore() {
  const char* home = std::getenv("HOME");
  return std::make_unique<PuttySessionFiles>(std::string(home ? home : "") + "/.putty/sessions");
}

}  // namespace skelder

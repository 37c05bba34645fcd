#include "core/hosts/OpenSshConfig.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/hosts/WildcardMatch.h"
#include "core/text/FileBytes.h"
#include "core/text/FileErrorText.h"
#include "core/text/Texts.h"

namespace skelder {

namespace {

namespace fs = std::filesystem;

constexpr int kIncludeDepth = 16;  // as ssh allows

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The keyword and its arguments: blanks or one "=" after the keyword, quotes around
// arguments with blanks, "#" starting a comment. Nothing for an empty line, or when a
// quote is not closed (then unclosed is set).
std::vector<std::string> Words(const std::string& line, bool& unclosed) {
  std::vector<std::string> words;
  unclosed = false;
  size_t i = 0;
  bool equalsTaken = false;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    if (words.size() == 1 && !equalsTaken && line[i] == '=') {
      equalsTaken = true;
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    std::string word;
    while (i < line.size() && !IsBlank(line[i])) {
      const char c = line[i];
      if (c == '=' && words.empty()) break;
      if (c == '"' || c == '\'') {
        const size_t close = line.find(c, i + 1);
        if (close == std::string::npos) {
          unclosed = true;
          return {};
        }
        word += line.substr(i + 1, close - i - 1);
        i = close + 1;
        continue;
      }
      word += c;
      ++i;
    }
    words.push_back(word);
  }
  return words;
}

bool IsPattern(const std::string& text) {
  return text.find_first_of("*?") != std::string::npos || (!text.empty() && text[0] == '!');
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

// The existing paths a pattern with wildcards in any of its parts names, sorted. The
// paths keep the pattern's own separators.
std::vector<std::string> Expand(const std::string& pattern) {
  if (!IsPattern(pattern)) return {pattern};
  std::vector<std::string> found{""};
  size_t begin = 0;
  while (begin <= pattern.size() && !found.empty()) {
    size_t end = begin;
    while (end < pattern.size() && !IsPathSeparator(pattern[end])) ++end;
    const std::string part = pattern.substr(begin, end - begin);
    const std::string separator = end < pattern.size() ? pattern.substr(end, 1) : "";
    std::vector<std::string> next;
    for (const std::string& base : found) {
      if (!IsPattern(part)) {
        next.push_back(base + part + separator);
        continue;
      }
      std::error_code ec;
      for (fs::directory_iterator it(base.empty() ? "." : base, ec), last; !ec && it != last;
           it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry[0] == '.' && part[0] != '.') continue;
        if (WildcardMatch(part, entry, false)) next.push_back(base + entry + separator);
      }
    }
    found = std::move(next);
    if (end == pattern.size()) break;
    begin = end + 1;
  }
  std::sort(found.begin(), found.end());
  return found;
}

struct Block {
  std::vector<std::string> patterns;  // lower case; none for the lines before any Host
  bool match = false;                 // a Match block: its lines are skipped
};

struct Option {
  size_t block;
  std::string keyword;  // lower case
  std::vector<std::string> arguments;
};

struct HostLine {
  std::string alias;
  std::string origin;
};

class ConfigReader {
 public:
  ConfigReader(std::string top, std::string home, HostImportResult& result)
      : top_(std::move(top)), home_(std::move(home)), result_(result) {}

  std::error_code read(const std::string& path, int depth) {
    std::string text;
    if (std::error_code error = ReadFileBytes(path, text)) return error;
    reading_.push_back(SameFileKey(path));
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t n = 0; n < lines.size(); ++n) line(path, static_cast<int>(n) + 1, lines[n], depth);
    reading_.pop_back();
    return {};
  }

  void resolve() {
    for (const HostLine& entry : hosts_) {
      ImportedHost host;
      host.name = entry.alias;
      host.origin = entry.origin;
      const std::string alias = LowerCase(entry.alias);
      host.host = Tokens(first(alias, "hostname").value_or(entry.alias), entry.alias, "", "");
      if (const auto port = first(alias, "port")) {
        const std::string& text = *port;
        const bool number = !text.empty() && text.size() <= 5 &&
                            text.find_first_not_of("0123456789") == std::string::npos;
        host.port = number ? std::stoi(text) : 0;
        if (host.port < 1 || host.port > 65535) {
          result_.skipped.push_back(
              {entry.alias, "its port " + text + " is no number from 1 to 65535"});
          continue;
        }
      }
      host.user = first(alias, "user").value_or("");
      const std::string key = first(alias, "identityfile").value_or("none");
      if (LowerCase(key) != "none") host.keyFile = Tokens(key, host.host, host.user, home_);
      result_.hosts.push_back(std::move(host));
    }
  }

 private:
  void line(const std::string& path, int number, const std::string& text, int depth) {
    bool unclosed = false;
    const std::vector<std::string> words = Words(text, unclosed);
    const std::string where =
        (path == top_ ? std::string() : path + ", ") + "line " + std::to_string(number);
    if (unclosed) {
      result_.skipped.push_back({where + ": " + TrimText(text), "a quote is not closed"});
      return;
    }
    if (words.empty()) return;
    const std::string keyword = LowerCase(words[0]);
    const std::vector<std::string> arguments(words.begin() + 1, words.end());
    if (keyword == "host") {
      host(arguments, where + ": " + TrimText(text));
    } else if (keyword == "match") {
      blocks_.push_back({{}, true});
      current_ = blocks_.size() - 1;
      result_.skipped.push_back(
          {TrimText(text), "a Match block: its conditions are not evaluated (" + where + ")"});
    } else if (blocks_[current_].match) {
      return;
    } else if (keyword == "include") {
      include(arguments, where, depth);
    } else {
      options_.push_back({current_, keyword, arguments});
    }
  }

  void host(const std::vector<std::string>& patterns, const std::string& origin) {
    Block block;
    for (const std::string& pattern : patterns) {
      block.patterns.push_back(LowerCase(pattern));
      if (IsPattern(pattern)) {
        result_.skipped.push_back({pattern, pattern[0] == '!' ? "a negated pattern names no host"
                                                              : "a pattern names no single host"});
        continue;
      }
      const std::string key = LowerCase(pattern);
      if (std::none_of(hosts_.begin(), hosts_.end(),
                       [&](const HostLine& h) { return LowerCase(h.alias) == key; }))
        hosts_.push_back({pattern, origin});
    }
    blocks_.push_back(std::move(block));
    current_ = blocks_.size() - 1;
  }

  void include(const std::vector<std::string>& arguments, const std::string& where, int depth) {
    const size_t block = current_;
    for (const std::string& argument : arguments) {
      std::string path = Tilde(argument);
      if (!fs::path(path).is_absolute()) path = home_ + "/.ssh/" + path;
      for (const std::string& file : Expand(path)) {
        // A file that includes itself, directly or through others, is read once: with
        // two such lines every level would double the reads.
        if (std::find(reading_.begin(), reading_.end(), SameFileKey(file)) != reading_.end()) {
          result_.skipped.push_back(
              {"Include " + argument + " (" + where + ")", "the file is already being read"});
          continue;
        }
        if (depth + 1 > kIncludeDepth) {
          result_.skipped.push_back(
              {"Include " + argument + " (" + where + ")", "included more than 16 levels deep"});
          break;
        }
        read(file, depth + 1);  // a missing file is passed over, as ssh does
        current_ = block;
      }
    }
  }

  // The same file under another name (a link, "..") gives the same key.
  static std::string SameFileKey(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    return error ? path : canonical.string();
  }

  // The first value of the keyword among the lines that apply to the host.
  std::optional<std::string> first(const std::string& alias, const std::string& keyword) const {
    for (const Option& option : options_)
      if (option.keyword == keyword && !option.arguments.empty() && applies(option.block, alias))
        return option.arguments.front();
    return std::nullopt;
  }

  bool applies(size_t index, const std::string& alias) const {
    const Block& block = blocks_[index];
    if (index == 0) return true;
    bool matched = false;
    for (const std::string& pattern : block.patterns) {
      if (!pattern.empty() && pattern[0] == '!') {
        if (WildcardMatch(pattern.substr(1), alias, true)) return false;
      } else if (WildcardMatch(pattern, alias, true)) {
        matched = true;
      }
    }
    return matched;
  }

  std::string Tilde(const std::string& path) const {
    if (path == "~" || path.rfind("~/", 0) == 0) return home_ + path.substr(1);
    return path;
  }

  // "~" and the tokens %d (home), %h (host), %r (remote user) and %%.
  std::string Tokens(const std::string& text, const std::string& host, const std::string& user,
                     const std::string& home) const {
    const std::string value = home.empty() ? text : Tilde(text);
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
      if (value[i] != '%' || i + 1 == value.size()) {
        out += value[i];
        continue;
      }
      const char token = value[++i];
      if (token == '%')
        out += '%';
      else if (token == 'h')
        out += host;
      else if (token == 'd' && !home.empty())
        out += home;
      else if (token == 'r' && !home.empty())
        out += user;
      else
        out += std::string("%") + token;
    }
    return out;
  }

  std::string top_;  // the file named by the user; the others are named in the origins
  std::string home_;
  HostImportResult& result_;
  std::vector<Block> blocks_{Block{}};
  size_t current_ = 0;
  std::vector<std::string> reading_;  // the files being read, the outermost first
  std::vector<Option> options_;
  std::vector<HostLine> hosts_;
};

}  // namespace

HostImportResult ReadOpenSshConfig(const std::string& path, const std::string& homeFolder) {
  HostImportResult result;
  result.source = "OpenSSH's client configuration " + path;
  ConfigReader reader(path, homeFolder, result);
  if (const std::error_code error = reader.read(path, 0)) {
    result.skipped.clear();
    result.error = FileOpenErrorText(path, error);
    return result;
  }
  reader.resolve();
  return result;
}

}  // namespace skelder

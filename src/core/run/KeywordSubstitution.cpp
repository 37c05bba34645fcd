#include "core/run/KeywordSubstitution.h"

#include <cstdio>
#include <optional>

#include "core/text/Texts.h"

namespace skelder {

namespace {

bool IsVariable(const std::string& keyword) {
  return keyword.size() == 4 && keyword.compare(0, 2, "$[") == 0 && keyword[3] == ']';
}

// Substitutes one line; false when the line is to be removed ("$LOGIT$").
class LineSubstitution {
 public:
  LineSubstitution(const SubstitutionRun& run, const KeywordValues& values, const Clock& clock,
                   const VariableAsker& askVariable)
      : run_(run), values_(values), clock_(clock), askVariable_(askVariable) {}

  bool apply(std::string& line, bool& logRequested) {
    std::string trimmed = TrimText(line);
    bool userNameDone = false;
    for (const SubstitutionKeyword& keyword : SubstitutionKeywords()) {
      const std::size_t at = (keyword.anyCase ? UpperCase(trimmed) : trimmed).find(keyword.text);
      if (at == std::string::npos) continue;
      if (keyword.text == "$LOGIT$") {
        if (at != 0) continue;
        logRequested = true;
        return false;
      }
      const bool userName =
          keyword.text == "$USER$" || keyword.text == "$user$" || keyword.text == "$User$";
      if (userName && userNameDone) continue;
      const std::optional<std::string> value = valueOf(keyword.text);
      if (!value) continue;
      userNameDone = userNameDone || userName;
      line = trimmed.substr(0, at) + *value + trimmed.substr(at + keyword.text.size());
      trimmed = TrimText(line);
    }
    return true;
  }

 private:
  static std::optional<std::string> Entered(const std::string& field) {
    if (TrimText(field).empty()) return std::nullopt;
    return field;
  }
  static std::optional<std::string> Dialled(const std::string& field) {
    std::string number = DialFilter(field);
    if (number.empty()) return std::nullopt;
    return number;
  }
  std::string logFileName() const {
    return SafeFileName(run_.branchName) + TimeStamp(clock_.now()) + ".log";
  }

  std::optional<std::string> valueOf(const std::string& keyword) const {
    const UserData& data = values_.userData;
    if (keyword == "$USER$") return UpperCase(values_.userName);
    if (keyword == "$user$") return LowerCase(values_.userName);
    if (keyword == "$User$") return values_.userName;
    if (keyword == "$NAME$") return Entered(data.name);
    if (keyword == "$EMAIL$") return Entered(data.email);
    if (keyword == "$PHONE$") return Dialled(data.phone);
    if (keyword == "$MOBILE$") return Dialled(data.mobile);
    if (keyword == "$PAGER$") return Dialled(data.pager);
    if (keyword == "$LOGDIR$") return values_.logsFolder;
    if (keyword == "$TTDIR$") return values_.programFolder;
    if (keyword == "$WINDIR$") return values_.windowsFolder;
    if (keyword == "$logfilename$") return logFileName();
    if (keyword == "$LOGFILENAME$") return values_.logsFolder + logFileName();
    if (keyword == "$SNIPPET$") return std::string();
    if (IsVariable(keyword)) return askVariable_ ? askVariable_(keyword) : std::string();
    return std::nullopt;
  }

  const SubstitutionRun& run_;
  const KeywordValues& values_;
  const Clock& clock_;
  const VariableAsker& askVariable_;
};

}  // namespace

const std::vector<SubstitutionKeyword>& SubstitutionKeywords() {
  static const std::vector<SubstitutionKeyword> table = {
      {"$USER$", false},        {"$user$", false}, {"$User$", false},   {"$NAME$", true},
      {"$EMAIL$", true},        {"$PHONE$", true}, {"$MOBILE$", true},  {"$PAGER$", true},
      {"$LOGDIR$", true},       {"$TTDIR$", true}, {"$WINDIR$", true},  {"$logfilename$", false},
      {"$LOGFILENAME$", false}, {"$LOGIT$", true}, {"$SNIPPET$", true}, {"$[1]", false},
      {"$[2]", false},          {"$[3]", false},   {"$[4]", false},     {"$[5]", false},
      {"$[6]", false},          {"$[7]", false},   {"$[8]", false},
  };
  return table;
}

void SubstituteKeywords(MacroLineList& lines, const SubstitutionRun& run,
                        const KeywordValues& values, const Clock& clock,
                        const VariableAsker& askVariable) {
  LineSubstitution substitution(run, values, clock, askVariable);
  bool logRequested = false;
  std::vector<std::string>& list = lines.lines();
  // The removed lines are marked first and dropped in one pass at the end, so that many
  // "$LOGIT$" lines cost no more than the others.
  std::vector<bool> kept(list.size());
  for (std::size_t i = list.size(); i-- > 0;) kept[i] = substitution.apply(list[i], logRequested);
  std::size_t count = 0;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (kept[i]) {
      if (count != i) list[count] = std::move(list[i]);
      ++count;
    }
  list.resize(count);
  if (run.wholeMacro && (run.logSession || logRequested))
    list.push_back(
        LogLine(run.branchName, values.logsFolder, TimeStamp(clock.now()), run.exportToFile));
}

std::string DialFilter(const std::string& text) {
  std::string kept;
  for (const char c : text)
    if ((c >= '0' && c <= '9') || c == '#' || c == '*' || c == '+' || c == ',' || c == 'P' ||
        c == 'p')
      kept += c;
  return kept;
}

std::string SafeFileName(const std::string& text) {
  std::string name;
  for (const char c : text) {
    if (c == ' ') {
      name += '_';
    } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_') {
      name += c;
    } else {
      name += '%' + std::to_string(static_cast<unsigned char>(c));
    }
  }
  return name;
}

std::string TimeStamp(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

std::string LogLine(const std::string& branchName, const std::string& logsFolder,
                    const std::string& timeStamp, bool exportToFile) {
  if (exportToFile) return "logopen '" + SafeFileName(branchName) + ".log' 0 0";
  return "logopen '" + logsFolder + SafeFileName(branchName) + timeStamp + ".log' 0 0";
}

std::string AskVariable(const std::string& keyword, UserDialogs& dialogs) {
  return dialogs
      .inputBox("Value of " + keyword + " required", "Enter the value of variable " + keyword, "")
      .value_or(std::string());
}

std::string WithTrailingSeparator(const std::string& path, char separator) {
  if (!path.empty() && (path.back() == separator || path.back() == '\\' || path.back() == '/'))
    return path;
  return path + separator;
}

}  // namespace skelder

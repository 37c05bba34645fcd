#pragma once
// Keyword substitution over a run's macro lines: the user's name and contact data,
// folders, generated log file names and values typed in when the macro starts; marker
// lines removed; the line that opens the log appended when logging is wanted.
#include <functional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/UserDialogs.h"
#include "core/run/MacroLineList.h"

namespace skelder {

// The fields of the "User Data" settings page as entered.
struct UserData {
  std::string name;    // edtName
  std::string email;   // edtEmail
  std::string phone;   // edtPhone
  std::string mobile;  // edtMobile
  std::string pager;   // edtPager
};

// The values of one run, fetched when it begins. Folders end with their separator.
struct KeywordValues {
  std::string userName;  // the logged-on user as the system gives it
  UserData userData;
  std::string logsFolder;  // the separator alone when "Logs" could not be made
  std::string programFolder;
  std::string windowsFolder;
};

// What the substitution needs to know of the run.
struct SubstitutionRun {
  std::string branchName;  // from AssembleMacro
  bool wholeMacro = true;  // false for the "to cursor" runs
  bool exportToFile = false;
  bool logSession = false;  // "Start logging when the macro ends" as ticked now
};

// Asked for the value of "$[1]" .. "$[8]"; returns the value (empty when cancelled).
using VariableAsker = std::function<std::string(const std::string& keyword)>;

// One keyword of the table: matched as written, or in any letter case (then written
// here in upper case).
struct SubstitutionKeyword {
  std::string text;
  bool anyCase = false;
};

// The keyword table in the order in which each line tries it.
const std::vector<SubstitutionKeyword>& SubstitutionKeywords();

// Rewrites the lines from the last to the first: each keyword of the table replaced at
// its first occurrence in the trimmed line, a line beginning with "$LOGIT$" removed
// (which asks for the log). Then, for a whole-macro run that wants the log, the log line
// is appended. The time stamps come from the clock when each is needed.
void SubstituteKeywords(MacroLineList& lines, const SubstitutionRun& run,
                        const KeywordValues& values, const Clock& clock,
                        const VariableAsker& askVariable);

// The text with every character removed but the digits, "#", "*", "+", "," and "P"/"p".
std::string DialFilter(const std::string& text);

// The text as a file name: blanks become "_", letters, digits, "-" and "_" stay, every
// other byte becomes "%" and its value in decimal.
std::string SafeFileName(const std::string& text);

// The local time as 14 digits, "yyyymmddhhnnss".
std::string TimeStamp(const LocalTime& time);

// The TTL line that opens the run's log when the macro has run: in the Logs folder with
// a time stamp, or for an export the bare file name.
std::string LogLine(const std::string& branchName, const std::string& logsFolder,
                    const std::string& timeStamp, bool exportToFile);

// The input box for "$[1]" .. "$[8]": the typed value, empty when cancelled.
std::string AskVariable(const std::string& keyword, UserDialogs& dialogs);

// The path with the separator added when it does not end with one.
std::string WithTrailingSeparator(const std::string& path, char separator);

}  // namespace skelder

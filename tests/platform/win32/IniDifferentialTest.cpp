// The program's INI reader and writer against the system's profile functions, on Tera
// Term's own files and on small files that probe the edges. Where the two differ on
// purpose, the difference is pinned down in a table of its own.
#include <gtest/gtest.h>

#include <cctype>

#include "core/text/IniFile.h"
#include "platform/win32/WindowsProfile.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

// The program reads values as the profile functions give them into a 2048-byte buffer.
constexpr unsigned kReadBuffer = IniFile::kMaxValueLength + 1;

struct CorpusFile {
  std::string name;
  std::string bytes;
  bool exists = true;
};

std::vector<CorpusFile> Corpus() {
  const std::string data = std::string(SKELDER_TESTDATA) + "/teraterm/";
  return {
      {"TERATERM.INI", ReadFileBytes(data + "TERATERM.INI")},
      {"cygterm.cfg", ReadFileBytes(data + "cygterm.cfg")},
      {"duplicates.ini", "[A]\r\nk=1\r\nk=2\r\n[B]\r\nx=1\r\n[a]\r\nk=3\r\nnew=4\r\n"},
      {"blanks.ini",
       "[S]\r\n  spaced key  =  value with blanks  \r\nkey\t=\tv\t\r\n[ Sec ]\r\nz=1\r\n"},
      {"quotes.ini",
       "[Q]\r\nd=\"double\"\r\ns='single'\r\nm=\"mixed'\r\none=\"\r\ninner=a \"b\" c\r\n"
       "q = \" padded \" \r\n"},
      {"long.ini", "[L]\r\nlong=" + std::string(3000, 'x') + "\r\nexact=" + std::string(2047, 'y') +
                       "\r\nmore=" + std::string(2048, 'z') + "\r\n"},
      {"integers.ini",
       "[I]\r\nd=42\r\nn=-7\r\nh=0x1F\r\nH=0XfF\r\nspace= 5 \r\nplus=+3\r\nempty=\r\n"
       "min=-2147483648\r\n"},
      {"comments.ini", ";c\r\n[S]\r\n;k=v\r\nk=v\r\n# hash=1\r\nnoequals\r\n"},
      {"noend.ini", "[N]\r\na=1\r\nlast=end"},
      {"cr-only.ini", "[C]\ra=1\rb=2\r[D]\rc=3"},
      {"lfonly.ini", "[F]\na=1\nb=2\n"},
      {"plain.ini",
       "[Tera Term]\r\n; colours\r\nVTColor=0,0,0,255,255,255\r\n[BG]\r\nBGEnable=off\r\n"},
      {"empty.ini", ""},
      {"missing.ini", "", false},
  };
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Every key the system lists (also in other letter case), and some it does not.
std::vector<std::pair<std::string, std::string>> Probes(const WindowsProfile& windows) {
  std::vector<std::pair<std::string, std::string>> probes;
  for (const auto& section : windows.sectionNames()) {
    for (const auto& key : windows.keyNames(section)) {
      probes.push_back({section, key});
      probes.push_back({Upper(section), Upper(key)});
    }
    probes.push_back({section, "NoSuchKey"});
  }
  probes.push_back({"NoSuchSection", "k"});
  return probes;
}

// A decimal or "0x" number in the 32-bit range: the texts on which the integer reads
// of both sides are meant to agree (see IntegersThatAreNoNumbers below).
bool IsNumber(const std::string& text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return text.size() <= 10 &&
           text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos;
  const size_t digits = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (text.size() == digits || text.size() > digits + 10 ||
      text.find_first_not_of("0123456789", digits) != std::string::npos)
    return false;
  const long long value = std::stoll(text);
  return value >= INT32_MIN && value <= INT32_MAX;
}

struct Write {
  std::string section, key, value;
};

// Writes on which both sides are meant to agree.
const std::vector<Write> kWrites = {
    {"Tera Term", "VTColor", "255,255,255,0,0,0"},  // an existing key
    {"A", "k", "changed"},                          // the first of repeated keys and sections
    {"S", "spaced key", "v2"},                      // a key written with blanks around it
    {"N", "last", "x"},                             // the last line, without a line end
    {"Tera Term", "NewKey", "new value"},           // a key the section lacks
    {"BG", "BGEnable", "on"},                       // a section the file lacks
    {"tera term", "vtcolor", "1,2,3,4,5,6"},        // names in other letter case
    {"L", "exact", ""},                             // an empty value
};

}  // namespace

TEST(IniDifferential, ReadsEqualTheProfileFunctions) {
  TempFolder folder;
  for (const auto& file : Corpus()) {
    const std::string path = folder.file(file.name);
    if (file.exists) WriteFileBytes(path, file.bytes);
    WindowsProfile windows(path);
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    for (const auto& [section, key] : Probes(windows)) {
      const std::string theirs = windows.readString(section, key, "DEF", kReadBuffer);
      EXPECT_EQ(ini.readString(section, key, "DEF"), theirs)
          << file.name << " [" << section << "] " << key;
      if (theirs == "DEF" || IsNumber(theirs))
        EXPECT_EQ(ini.readInteger(section, key, -99), windows.readInteger(section, key, -99))
            << file.name << " [" << section << "] " << key;
    }
  }
}

TEST(IniDifferential, WritesGiveTheBytesOfTheProfileFunctions) {
  // Files in the layout the system writes itself: no blank lines, no blanks around
  // names and values, CR LF line ends (see WritesThatDiffer below).
  const std::vector<std::string> layoutKept = {"duplicates.ini", "long.ini", "plain.ini",
                                               "empty.ini", "missing.ini"};
  TempFolder folder;
  int n = 0;
  for (const auto& file : Corpus()) {
    for (const auto& write : kWrites) {
      const std::string theirs = folder.file(std::to_string(++n) + "-windows-" + file.name);
      const std::string ours = folder.file(std::to_string(n) + "-program-" + file.name);
      if (file.exists) {
        WriteFileBytes(theirs, file.bytes);
        WriteFileBytes(ours, file.bytes);
      }
      const std::string what = file.name + " [" + write.section + "] " + write.key;
      WindowsProfile windows(theirs);
      ASSERT_TRUE(windows.writeString(write.section, write.key, write.value)) << what;
      IniFile ini;
      ASSERT_TRUE(ini.load(ours));
      ini.writeString(write.section, write.key, write.value);
      ASSERT_TRUE(ini.save(ours)) << what;

      if (std::find(layoutKept.begin(), layoutKept.end(), file.name) != layoutKept.end())
        EXPECT_EQ(ReadFileBytes(ours), ReadFileBytes(theirs)) << what;
      // Whatever the layout, the system reads the program's file as its own.
      WindowsProfile program(ours);
      for (const auto& [section, key] : Probes(windows))
        EXPECT_EQ(program.readString(section, key, "DEF", kReadBuffer),
                  windows.readString(section, key, "DEF", kReadBuffer))
            << what << ": [" << section << "] " << key;
    }
  }
}

// Integers: the program reads an integer as a whole ("0x" for hexadecimal) and takes the
// default for any other text, as the program always has; the system reads the leading
// digits, 0 when there are none, and wraps values beyond 32 bits.
TEST(IniDifferential, IntegersThatAreNoNumbers) {
  struct Case {
    std::string value;
    int32_t program, windows;
  } cases[] = {
      {"12abc", -99, 12},
      {"abc", -99, 0},
      {"4294967295", -99, -1},
      {"0x1G", -99, 1},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const std::string path = folder.file("integers.ini");
    WriteFileBytes(path, "[I]\r\nv=" + c.value + "\r\n");
    EXPECT_EQ(IniFile("[I]\r\nv=" + c.value + "\r\n").readInteger("I", "v", -99), c.program)
        << c.value;
    EXPECT_EQ(WindowsProfile(path).readInteger("I", "v", -99), c.windows) << c.value;
  }
}

// Where the files the two sides write differ, and why the program keeps its own.
TEST(IniDifferential, WritesThatDiffer) {
  struct Case {
    std::string why;
    std::string before;
    Write write;
    std::string program, windows;
  } cases[] = {
      // The system writes the whole file anew: blank lines go, blanks around every name
      // and value go (comments included), every line ends with CR LF. The program
      // changes only the line it writes; the rest of a user's or Tera Term's file stays.
      {"layout",
       "; a = b\r\n\r\n[S]\r\nk = v\r\n\r\n[ T ]\r\nx = 1\r\n",
       {"S", "k", "w"},
       "; a = b\r\n\r\n[S]\r\nk=w\r\n\r\n[ T ]\r\nx = 1\r\n",
       "; a=b\r\n[S]\r\nk=w\r\n[T]\r\nx=1\r\n"},
      {"LF line ends",
       "[F]\na=1\nb=2\n",
       {"F", "a", "3"},
       "[F]\na=3\nb=2\n",
       "[F]\r\na=3\r\nb=2\r\n"},
      {"last line without line end",
       "[N]\r\nlast=end",
       {"N", "last", "x"},
       "[N]\r\nlast=x",
       "[N]\r\nlast=x\r\n"},
      // A value with a line break would add lines (here a key) of its own: the program
      // cuts the value at the break.
      {"line break in a value",
       "[S]\r\nk=v\r\n",
       {"S", "k", "two\r\nj=injected"},
       "[S]\r\nk=two\r\n",
       "[S]\r\nk=two\r\nj=injected\r\n"},
      // Blanks around names: the program drops them on both sides; the system only in
      // front. Both read back the same.
      {"blanks around names",
       "",
       {" Padded ", " key ", " value "},
       "[Padded]\r\nkey= value \r\n",
       "[Padded ]\r\nkey =value \r\n"},
  };
  TempFolder folder;
  int n = 0;
  for (const auto& c : cases) {
    const std::string path = folder.file(std::to_string(++n) + ".ini");
    WriteFileBytes(path, c.before);
    ASSERT_TRUE(WindowsProfile(path).writeString(c.write.section, c.write.key, c.write.value));
    EXPECT_EQ(ReadFileBytes(path), c.windows) << c.why;
    IniFile ini(c.before);
    ini.writeString(c.write.section, c.write.key, c.write.value);
    EXPECT_EQ(ini.bytes(), c.program) << c.why;
  }
}

// Lines the two sides split differently. The program's reading is the one that differs
// from the system here; see the note of the change.
TEST(IniDifferential, LinesReadDifferently) {
  struct Case {
    std::string why, bytes, section, key;
    std::string program, windows;
  } cases[] = {
      {"section header without ]", "[S]\r\nk=v\r\n[Open\r\nx=2\r\n", "S", "x", "DEF", "2"},
      {"section header without ]", "[S]\r\nk=v\r\n[Open\r\nx=2\r\n", "Open", "x", "2", "DEF"},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const std::string path = folder.file("lines.ini");
    WriteFileBytes(path, c.bytes);
    EXPECT_EQ(IniFile(c.bytes).readString(c.section, c.key, "DEF"), c.program) << c.why;
    EXPECT_EQ(WindowsProfile(path).readString(c.section, c.key, "DEF", kReadBuffer), c.windows)
        << c.why;
  }
}

}  // namespace skelder::testing

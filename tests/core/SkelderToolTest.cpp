// The command-line tool, run as a process on table files (through the POSIX shell).
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "TableBytes.h"
#include "support/TempFolder.h"

namespace skelder {
namespace {

using nlohmann::json;
using testing::Levels;
using testing::Record;
using testing::Table;

const std::string kTool = SKELDER_DEMO_DIR "/skeldertool";
const char* const kInconsistent = "Error reading the file. It contains inconsistent data.\n";

struct ToolRun {
  int status = -1;
  std::string out, err;
};

class SkelderToolTest : public ::testing::Test {
 protected:
  ToolRun run(const std::string& arguments) {
    const std::string out = folder.file("stdout"), err = folder.file("stderr");
    const int raw =
        std::system((kTool + " " + arguments + " >'" + out + "' 2>'" + err + "'").c_str());
    ToolRun result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = testing::ReadFileBytes(out);
    result.err = testing::ReadFileBytes(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
  }
  std::string file(const std::string& name, const std::string& bytes) {
    testing::WriteFileBytes(folder.file(name), bytes);
    return "'" + folder.file(name) + "'";
  }
  static json Node(const std::string& name, int level, json children = json::array()) {
    return {{"name", name}, {"level", level},      {"kind", 0},      {"logging", 0},
            {"macro", ""},  {"popup", ""},         {"schedule", ""}, {"lastUpdated", ""},
            {"colors", ""}, {"children", children}};
  }

  void SetUp() override { ASSERT_TRUE(std::filesystem::exists(kTool)) << kTool; }

  testing::TempFolder folder;
};

TEST_F(SkelderToolTest, DumpShowsTheNodesAsTheReaderBuildsThem) {
  std::vector<Record> records = Levels({{1, "a"}, {2, "b"}, {2, "c"}, {1, "d"}, {3, "e"}});
  records[1] = {2, "b", "connect+%27host%27%0D%0Await", "p%E9", "=1 2 3 4 5", "Monday", "1:2",
                2, 1};
  records[2].name = "caf\xC3\xA9";  // UTF-8 stays as it is
  records[3].name = "caf\xE9";      // other bytes become the code points of their values
  const ToolRun dump = run("dump " + file("t.SKD", Table(records)));
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.err, "");
  json b = Node("b", 2);
  b["macro"] = "connect 'host'\r\nwait";
  b["popup"] = "p\u00e9";
  b["schedule"] = "=1 2 3 4 5";
  b["lastUpdated"] = "Monday";
  b["colors"] = "1:2";
  b["logging"] = 1;  // kind stays 0: the reader never takes it from the file
  const json expected = {
      {"format", "SKD21"},
      {"nodes", {Node("a", 1, {b, Node("caf\u00e9", 2)}), Node("caf\u00e9", 1, {Node("e", 3)})}}};
  EXPECT_EQ(json::parse(dump.out), expected);
  EXPECT_EQ(dump.out.substr(0, 40), "{\"format\": \"SKD21\", \"nodes\": [\n  {\"name\"");
}

TEST_F(SkelderToolTest, DumpPrintsTheNodesReadBeforeInconsistentData) {
  const std::string good = Table(Levels({{1, "a"}, {2, "b"}}));
  const ToolRun dump = run("dump " + file("t.SKD", good.substr(0, good.size() - 3)));
  EXPECT_EQ(dump.status, 1);
  EXPECT_EQ(dump.err, kInconsistent);
  EXPECT_EQ(json::parse(dump.out), (json{{"format", "SKD21"}, {"nodes", {Node("a", 1)}}}));
}

TEST_F(SkelderToolTest, DumpReadsAnOldTableWithoutChangingAnyFile) {
  const std::string old =
      Table({{1, "a", "", "", "", "", "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18"}}, "SKD20");
  const ToolRun dump = run("dump " + file("old.SKD", old));
  EXPECT_EQ(dump.status, 0) << dump.err;
  json a = Node("a", 1);
  a["colors"] = "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:0:0:255:4:5:6";
  EXPECT_EQ(json::parse(dump.out), (json{{"format", "SKD21"}, {"nodes", {a}}}));
  EXPECT_EQ(testing::ReadFileBytes(folder.file("old.SKD")), old);
  EXPECT_FALSE(std::filesystem::exists(folder.file("old.SKD.bak")));
}

TEST_F(SkelderToolTest, DumpFailuresPrintOnlyTheMessage) {
  const std::pair<std::string, std::string> cases[] = {
      {"'" + folder.file("gone.SKD") + "'",
       "The file '" + folder.file("gone.SKD") + "' does not exist.\n"},
      {file("bad.SKD", "SKD"), "The file bad.SKD has invalid format.\n"},
  };
  for (const auto& [argument, message] : cases) {
    const ToolRun dump = run("dump " + argument);
    EXPECT_EQ(dump.status, 1);
    EXPECT_EQ(dump.err, message);
    EXPECT_EQ(dump.out, "");
  }
}

TEST_F(SkelderToolTest, BuildWritesWhatSaveWrites) {
  const std::string description = R"({"nodes": [
      {"name": "a", "macro": "connect 'host'\r\nwait", "popup": "p q", "logging": 1,
       "schedule": "=1 2 3 4 5", "kind": 2, "level": 7,
       "children": [{"name": "b", "colors": "1:2", "lastUpdated": "Monday"}]},
      {"name": "caf\u00e9"}]})";
  const std::string table = folder.file("t.SKD");
  const ToolRun build = run("build " + file("t.json", description) + " '" + table + "'");
  EXPECT_EQ(build.status, 0) << build.err;
  EXPECT_EQ(testing::ReadFileBytes(table),
            Table({{1, "a", "connect+%27host%27%0D%0Await", "p+q", "=1 2 3 4 5", "", "", 2, 1},
                   {2, "b", "", "", "", "Monday", "1:2"},
                   {1, "caf\xC3\xA9"}}));

  // What dump prints, build writes back unchanged (but for the kind, which reads as 0).
  const ToolRun dump = run("dump '" + table + "'");
  const std::string again = folder.file("again.SKD");
  EXPECT_EQ(run("build " + file("dump.json", dump.out) + " '" + again + "'").status, 0);
  EXPECT_EQ(run("dump '" + again + "'").out, dump.out);
}

TEST_F(SkelderToolTest, BuildRefusesWhatItCannotWrite) {
  const std::string table = folder.file("t.SKD");
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {R"({"nodes": [)", table, "parse error"},
      {R"({"nodes": [{"name": "a", "children": [{"name": 5}]}]})", table,
       "node 2: \"name\" must be a string"},
      {R"({"nodes": [{"name": "a", "logging": 256}]})", table,
       "node 1: \"logging\" must be an integer from 0 to 255"},
      {R"({"nodes": {}})", table, "\"nodes\" must be an array"},
      {R"({"nodes": [{"name": "a"}]})", folder.file("missing/t.SKD"),
       "Error writing file " + folder.file("missing/t.SKD") + ".\n"},
  };
  for (const auto& [description, target, message] : cases) {
    const ToolRun build = run("build " + file("t.json", description) + " '" + target + "'");
    EXPECT_EQ(build.status, 1) << description;
    EXPECT_NE(build.err.find(message), std::string::npos) << build.err;
    EXPECT_FALSE(std::filesystem::exists(table));
  }
  EXPECT_EQ(run("build only-one-argument").status, 2);
  EXPECT_EQ(run("").status, 2);
}

TEST_F(SkelderToolTest, ImportMergesTablesAndBrfFilesAsTheWindowDoes) {
  const std::string table = file("merged.SKD", Table(Levels({{1, "Web"}, {2, "A"}, {1, "Mail"}})));
  const std::string other = file("other.skd", Table(Levels({{1, "Web"}, {2, "B"}, {1, "Files"}})));
  const std::string brf = file("old.BRF",
                               "[BRF]\r\nRowCount=2\r\nC1_R1=Mail\r\nC2_R1=\r\n"
                               "C1_R2=Fresh\r\nC2_R2=\r\nC8_R2=1\r\n");
  testing::WriteFileBytes(folder.file("teraterm.ini"),
                          "[Tera Term]\r\nVTColor=1,2,3,4,5,6\r\nVTBoldColor=0,0,0,0,0,0\r\n"
                          "VTBlinkColor=0,0,0,0,0,0\r\nURLColor=0,0,0,0,0,0\r\n");
  const ToolRun merge =
      run("import " + table + " " + other + " " + brf + " --folder '" + folder.path() + "'");
  EXPECT_EQ(merge.status, 0) << merge.err;
  EXPECT_EQ(merge.err,
            "1 imported item was renamed to avoid duplicate names among siblings.\n"
            "1 imported item was renamed to avoid duplicate names among siblings.\n");
  const json nodes = json::parse(run("dump " + table).out)["nodes"];
  std::vector<std::string> names;
  for (const json& node : nodes) names.push_back(node["name"]);
  EXPECT_EQ(names, (std::vector<std::string>{"Web", "Mail", "Copy of Web", "Files", "Copy of Mail",
                                             "Fresh"}));
  EXPECT_EQ(nodes[2]["children"][0]["name"], "B");
  EXPECT_EQ(nodes[5]["colors"], "1:2:3:4:5:6:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            4);  // no temporary file, no backup

  // A missing table starts empty and is created.
  const ToolRun created = run("import '" + folder.file("new.SKD") + "' " + other);
  EXPECT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(created.err, "");
  EXPECT_EQ(testing::ReadFileBytes(folder.file("new.SKD")),
            testing::ReadFileBytes(folder.file("other.skd")));
}

TEST_F(SkelderToolTest, ImportLeavesTheTableAsItWasWhenAFileCannotBeRead) {
  const std::string bytes = Table(Levels({{1, "Web"}}));
  const std::string table = file("t.SKD", bytes);
  const std::string good = Table(Levels({{1, "a"}, {2, "b"}}));
  const std::pair<std::string, std::string> cases[] = {
      {file("notes.txt", "x"), "Cannot import the file. Unsupported file format.\n"},
      {"'" + folder.file("gone.BRF") + "'", "File '" + folder.file("gone.BRF") + "' not found\n"},
      {file("cut.SKD", good.substr(0, good.size() - 3)), kInconsistent},
      {file("bad.SKD", "SKD"), "The file bad.SKD has invalid format.\n"},
  };
  for (const auto& [argument, message] : cases) {
    const ToolRun merge = run("import " + table + " " + file("fine.SKD", good) + " " + argument);
    EXPECT_EQ(merge.status, 1) << argument;
    EXPECT_EQ(merge.err, message);
    EXPECT_EQ(testing::ReadFileBytes(folder.file("t.SKD")), bytes);
  }
  const ToolRun unreadable = run("import " + file("broken.SKD", "SKD21\x05") + " " + table);
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_EQ(unreadable.err, kInconsistent);
  EXPECT_EQ(testing::ReadFileBytes(folder.file("broken.SKD")), "SKD21\x05");
  EXPECT_EQ(run("import " + table).status, 2);
  EXPECT_EQ(run("import " + table + " --folder").status, 2);
}

TEST_F(SkelderToolTest, DeepTablesAreBuiltDumpedAndImported) {
  constexpr int kDepth = 100000;
  std::string description = "{\"nodes\": ";
  for (int i = 0; i < kDepth; ++i) description += "[{\"name\": \"n\", \"children\": ";
  description += "[]";
  for (int i = 0; i < kDepth; ++i) description += "}]";
  description += "}";
  const std::string table = folder.file("deep.SKD");
  ASSERT_EQ(run("build " + file("deep.json", description) + " '" + table + "'").status, 0);
  const ToolRun dump = run("dump '" + table + "'");
  ASSERT_EQ(dump.status, 0) << dump.err;
  const json parsed = json::parse(dump.out);
  const json* node = &parsed["nodes"];
  int depth = 0;
  for (; !node->empty(); node = &(*node)[0]["children"]) ++depth;
  EXPECT_EQ(depth, kDepth);
  const ToolRun merge = run("import '" + table + "' '" + table + "'");
  EXPECT_EQ(merge.status, 0) << merge.err;
  EXPECT_EQ(merge.err, "1 imported item was renamed to avoid duplicate names among siblings.\n");
}

TEST_F(SkelderToolTest, TemplatesPrintTheMenuOfATemplateFile) {
  const std::string example =
      "[MACRO_TEMPLATE Telnet]\r\n"
      "connect 'host:23 /nossh'\r\n"
      "[MACRO_TEMPLATE SEPARATOR]\r\n"
      "junk\r\n"
      "[macro_template SSH\r\n"
      "connect 'host:22 /ssh'\r\n"
      "[MACRO_TEMPLATE caf\xE9]\n"  // a code-page byte as its code point, UTF-8 as it is
      "sendln 'caf\xC3\xA9'\n"
      "[MACRO_TEMPLATE Empty]\r\n";
  const ToolRun templates = run("templates " + file("ttmacro.tpl", example));
  EXPECT_EQ(templates.status, 0) << templates.err;
  EXPECT_EQ(templates.err, "");
  EXPECT_EQ(
      templates.out,
      "{\"items\": [\n"
      "  {\"caption\": \"Telnet\", \"tag\": 0, \"body\": \"connect 'host:23 /nossh'\\r\\n\"},\n"
      "  {\"separator\": true},\n"
      "  {\"caption\": \"SSH\", \"tag\": 1, \"body\": \"connect 'host:22 /ssh'\\r\\n\"},\n"
      "  {\"caption\": \"caf\xC3\xA9\", \"tag\": 2, \"body\": \"sendln 'caf\xC3\xA9'\\r\\n\"},\n"
      "  {\"caption\": \"Empty\", \"tag\": 3, \"body\": \"\"}\n"
      "]}\n");
  EXPECT_NO_THROW(json::parse(templates.out));
}

TEST_F(SkelderToolTest, TemplatesOfAFileWithoutHeadersAreNone) {
  const ToolRun templates = run("templates " + file("plain.tpl", "connect 'host'\r\nwait 'x'\r\n"));
  EXPECT_EQ(templates.status, 0) << templates.err;
  EXPECT_EQ(templates.out, "{\"items\": []}\n");
}

TEST_F(SkelderToolTest, TemplatesOfAMissingFileAreAnError) {
  const std::string gone = folder.file("gone.tpl");
  const ToolRun templates = run("templates '" + gone + "'");
  EXPECT_EQ(templates.status, 1);
  EXPECT_EQ(templates.err, "The file '" + gone + "' does not exist.\n");
  EXPECT_EQ(templates.out, "");
  EXPECT_EQ(run("templates").status, 2);
  EXPECT_EQ(run("templates a.tpl b.tpl").status, 2);
}

}  // namespace
}  // namespace skelder

#endif

#include <gtest/gtest.h>

#include "TreeShape.h"
#include "core/tree/ConnectionImport.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/TableFileHost.h"
#include "core/tree/TableWriter.h"
#include "support/FakePlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

namespace {

class ConnectionImportTest : public ::testing::Test {
 protected:
  ConnectionImportTest() : clock(LocalTime{2026, 12, 10, 9, 5, 7, 42, 4}) { ResetTree(tree); }

  std::string table(const std::string& name, const std::string& shape) {
    ConnectionTree source;
    BuildTree(source, shape);
    std::string bytes;
    EncodeTable(source, true, bytes);
    const std::string path = folder.file(name);
    WriteFileBytes(path, bytes);
    return path;
  }
  std::optional<int> import(const std::string& path) {
    return ImportFile(context, path, clock, "ini colours");
  }

  TempFolder folder;
  ConnectionTree tree;
  ScriptedDialogs dialogs;
  FakeSystem system;
  TableFileHost host;
  TableFileContext context{tree, dialogs, system, host};
  FixedClock clock;
};

}  // namespace

TEST_F(ConnectionImportTest, ImportedNamesGiveWayToTheExistingOnes) {
  BuildTree(tree, "Web(A),Mail");
  EXPECT_EQ(import(table("Other.skd", "Web(A,B),Files")), 1);  // lower-case extension
  EXPECT_EQ(Shape(tree), "*(Web(A),Mail,Copy of Web(A,B),Files)");
  EXPECT_EQ(ImportRenameMessage(1),
            "1 imported item was renamed to avoid duplicate names among siblings.");
  EXPECT_EQ(ImportRenameMessage(3),
            "3 imported items were renamed to avoid duplicate names among siblings.");
  EXPECT_EQ(ImportRenameMessage(0), "");
}

TEST_F(ConnectionImportTest, ATableImportedIntoItselfDoublesItsTopLevel) {
  const std::string path = table("Self.SKD", "A(X),B(Y)");
  ASSERT_EQ(import(path), 0);
  EXPECT_EQ(import(path), 2);  // only the top-level clashes count
  EXPECT_EQ(Shape(tree), "*(A(X),B(Y),Copy of A(X),Copy of B(Y))");
}

TEST_F(ConnectionImportTest, AnUnsupportedExtensionIsRefused) {
  WriteFileBytes(folder.file("notes.txt"), "x");
  EXPECT_EQ(import(folder.file("notes.txt")), std::nullopt);
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("Cannot import the file. Unsupported file format.")});
  EXPECT_EQ(tree.nodeCount(), 1);
}

TEST_F(ConnectionImportTest, BrfRowsBecomeNodesByTheirCells) {
  WriteFileBytes(folder.file("old.BRF"),
                 "[BRF]\r\nRowCount=5\r\n"
                 "C1_R1=Gateway\r\nC2_R1=0 8 * * *\r\nC3_R1=connect\r\nC4_R1=Monday\r\n"
                 "C5_R1=note\r\nC6_R1=1:2:3\r\nC7_R1=0\r\nC8_R1=1\r\n"
                 "C1_R2=Inner\r\nC8_R2=2\r\n"
                 "C1_R3=\r\n"
                 "C1_R4=--\r\nC8_R4=1\r\n"
                 "C1_R5=Last\r\n");
  EXPECT_EQ(import(folder.file("old.BRF")), 0);
  EXPECT_EQ(Shape(tree), "*(Gateway(Inner)," + std::string(SeparatorText) + ",Last)");
  const rVTNodeData& gateway = Find(tree, "Gateway")->data;
  EXPECT_EQ(gateway.Schedule, "0 8 * * *");  // kept as it stands
  EXPECT_EQ(gateway.Macro, "connect");
  EXPECT_EQ(gateway.LastUpdated, "Monday");
  EXPECT_EQ(gateway.Popup, "note");
  EXPECT_EQ(gateway.Colors, "1:2:3");
  EXPECT_EQ(gateway.StartLogging, 0);
  const rVTNodeData& last = Find(tree, "Last")->data;
  EXPECT_EQ(last.Schedule, "20261210090507042");  // 17 digits of the import time
  EXPECT_EQ(last.Colors, "ini colours");
  EXPECT_EQ(last.StartLogging, 1);
  EXPECT_EQ(last.Level, 5);  // the row number when C8 is missing
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(ConnectionImportTest, AnEmptyOrMissingBrfImportsNothing) {
  WriteFileBytes(folder.file("empty.brf"), "[BRF]\r\nC1_R1=Ignored\r\n");
  EXPECT_EQ(import(folder.file("empty.brf")), 0);
  EXPECT_EQ(tree.nodeCount(), 1);
  EXPECT_TRUE(dialogs.boxes().empty());
  EXPECT_EQ(import(folder.file("gone.BRF")), 0);
  EXPECT_EQ(dialogs.boxes(),
            std::vector<RecordedBox>{ErrorBox("File '" + folder.file("gone.BRF") + "' not found")});
}

TEST_F(ConnectionImportTest, AHugeRowCountReadsOnlyTheRowsTheFileHolds) {
  WriteFileBytes(folder.file("huge.BRF"), "[BRF]\r\nRowCount=2147483647\r\n");
  EXPECT_EQ(import(folder.file("huge.BRF")), 0);
  EXPECT_EQ(tree.nodeCount(), 1);

  WriteFileBytes(folder.file("sparse.BRF"),
                 "[BRF]\r\nRowCount=2147483647\r\n"
                 "C1_R2147483647=Last\r\nc1_r3=Third\r\nC8_R3=2\r\nC1_R1=First\r\n"
                 "C1_R05=NoRow\r\nC1_R2147483648=Beyond\r\nC1_R=None\r\nC1_R7x=None\r\n"
                 "C2_R9=NoName\r\n");
  EXPECT_EQ(import(folder.file("sparse.BRF")), 0);
  EXPECT_EQ(Shape(tree), "*(First(Third),Last)");
  EXPECT_EQ(Find(tree, "Last")->data.Level, 2147483647);
  EXPECT_TRUE(dialogs.boxes().empty());

  // A row count below the rows present cuts them off; a negative one reads none.
  ResetTree(tree);
  WriteFileBytes(folder.file("cut.BRF"), "[BRF]\r\nRowCount=1\r\nC1_R1=A\r\nC1_R2=B\r\n");
  EXPECT_EQ(import(folder.file("cut.BRF")), 0);
  WriteFileBytes(folder.file("negative.BRF"), "[BRF]\r\nRowCount=-1\r\nC1_R1=C\r\n");
  EXPECT_EQ(import(folder.file("negative.BRF")), 0);
  EXPECT_EQ(Shape(tree), "*(A)");
}

TEST_F(ConnectionImportTest, ExportWidensTheSelectionToTheRootAfterOneWarning) {
  BuildTree(tree, "One(Two(Three)),Other");
  tree.clearSelection();
  tree.setSelected(Find(tree, "Three"), true);
  dialogs.answer("OK");
  dialogs.answer("file:" + folder.file("out.SKD"));
  EXPECT_TRUE(ExportSelection(context));
  EXPECT_EQ(dialogs.boxes().front(),
            (RecordedBox{"warning", "OK,Cancel",
                         "Connection can be exported only together with all its parent "
                         "nodes.\rPress Ok to automatically expand your selection."}));
  ConnectionTree back;
  ResetTree(back);
  TableFileContext readBack{back, dialogs, system, host};
  ASSERT_TRUE(ImportFile(readBack, folder.file("out.SKD"), clock, ""));
  EXPECT_EQ(Shape(back), "*(One(Two(Three)))");

  // Cancel at the warning writes nothing; the ancestors added stay selected.
  tree.clearSelection();
  tree.setSelected(Find(tree, "Three"), true);
  dialogs.answer("Cancel");
  EXPECT_FALSE(ExportSelection(context));
  EXPECT_EQ(tree.selectedCount(), 1);
}

}  // namespace skelder::testing

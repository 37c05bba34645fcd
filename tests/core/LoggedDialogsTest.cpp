#include <gtest/gtest.h>

#include "core/base/LoggedDialogs.h"
#include "support/TempFolder.h"

namespace skelder::testing {

TEST(LoggedDialogs, LogsEachBoxAndAnswersFromTheFileInOrder) {
  TempFolder folder;
  WriteFileBytes(folder.file("answers"), "No\r\nCancel\nfile:/tmp/a b.SKD\ntext:42\nOK\n");
  LoggedDialogs dialogs(folder.file("log"), folder.file("answers"));

  EXPECT_EQ(dialogs.messageBox(MessageKind::Warning, MessageButtons::YesNoCancel,
                               "Do you want to save the changes made to Noname.SKD?"),
            MessageAnswer::No);
  EXPECT_EQ(dialogs.messageBox(MessageKind::Confirmation, MessageButtons::OkCancel, "a\r\nb\rc\n"),
            MessageAnswer::Cancel);
  EXPECT_EQ(dialogs.openFile({"Open table", "Tables (*.skd)|*.skd", "skd", ""}), "/tmp/a b.SKD");
  EXPECT_EQ(dialogs.inputBox("Skelder", "Enter value $[1]:", ""), "42");
  EXPECT_EQ(dialogs.messageBox(MessageKind::Error, MessageButtons::Ok, "E"), MessageAnswer::Ok);
  // No answer left: the first button, and a file dialog is cancelled.
  EXPECT_EQ(dialogs.messageBox(MessageKind::Confirmation, MessageButtons::YesNo, "Q?"),
            MessageAnswer::Yes);
  EXPECT_EQ(dialogs.saveFile({"Save table as", "Tables (*.skd)|*.skd", "skd", ""}), std::nullopt);

  EXPECT_EQ(ReadFileBytes(folder.file("log")),
            "warning|Yes,No,Cancel|Do you want to save the changes made to Noname.SKD?\n"
            "confirmation|OK,Cancel|a\\r\\nb\\rc\\n\n"
            "file-open|Open table|Tables (*.skd)|*.skd\n"
            "input|Skelder|Enter value $[1]:\n"
            "error|OK|E\n"
            "confirmation|Yes,No|Q?\n"
            "file-save|Save table as|Tables (*.skd)|*.skd\n");
}

TEST(LoggedDialogs, AnAnswerThatDoesNotFitTakesTheDefault) {
  TempFolder folder;
  WriteFileBytes(folder.file("answers"), "Yes\nNo\n");
  LoggedDialogs dialogs("", folder.file("answers"));
  EXPECT_EQ(dialogs.messageBox(MessageKind::Error, MessageButtons::Ok, "x"), MessageAnswer::Ok);
  EXPECT_EQ(dialogs.openFile({}), std::nullopt);  // "No" is no file
}

TEST(LoggedDialogs, FontAndColourDialogsAreLoggedAndAnswered) {
  TempFolder folder;
  WriteFileBytes(folder.file("answers"),
                 "font:Lucida Console,12,3,0\ncolor:#10A0fF\ncolor:10A0FF\nfont:Arial,x,0,0\n");
  LoggedDialogs dialogs(folder.file("log"), folder.file("answers"));
  EXPECT_EQ(dialogs.fontDialog({{"Courier New", 1, 9, 0}, true, false}),
            (FontSetting{"Lucida Console", 0, 12, 3}));
  EXPECT_EQ(dialogs.colorDialog(0x00800000), 0x00FFA010u);
  // Answers that do not read as a colour or a font cancel the dialog.
  EXPECT_EQ(dialogs.colorDialog(0x000000FF), std::nullopt);
  EXPECT_EQ(dialogs.fontDialog({}), std::nullopt);
  EXPECT_EQ(dialogs.colorDialog(0), std::nullopt);  // no answer left
  EXPECT_EQ(ReadFileBytes(folder.file("log")),
            "font|Courier New,9,0,1\n"
            "color|#000080\n"
            "color|#FF0000\n"
            "font|,9,0,1\n"
            "color|#000000\n");
}

}  // namespace skelder::testing

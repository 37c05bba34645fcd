#include <gtest/gtest.h>

#include "core/app/LoggedDialogs.h"
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

}  // namespace skelder::testing

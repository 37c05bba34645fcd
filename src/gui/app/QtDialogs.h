#pragma once
// The dialog facade on real Qt dialogs.
#include <QWidget>

#include "core/base/UserDialogs.h"

namespace skelder {

class QtDialogs : public UserDialogs {
 public:
  MessageAnswer messageBox(MessageKind kind, MessageButtons buttons,
                           const std::string& text) override;
  std::optional<std::string> openFile(const FileRequest& request) override;
  std::optional<std::string> saveFile(const FileRequest& request) override;
  std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override;
  std::optional<FontSetting> fontDialog(const FontRequest& request) override;
  std::optional<std::uint32_t> colorDialog(std::uint32_t initial) override;

  // "Tables (*.skd)|*.skd|All files|*.*" as Qt writes it: "Tables (*.skd);;All files (*.*)".
  static QString QtFilter(const std::string& filter);
};

}  // namespace skelder

#include "gui/app/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "gui/editor/StoredColor.h"
#include "gui/editor/StoredFont.h"
#include "gui/ui/LocalText.h"

namespace skelder {

namespace {

// Line breaks in the program's texts are "\r" or "\r\n".
QString BoxText(const std::string& text) {
  QString out = FromLocal(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

}  // namespace

MessageAnswer QtDialogs::messageBox(MessageKind kind, MessageButtons buttons,
                                    const std::string& text) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QStringLiteral("Skelder"));
  box.setText(BoxText(text));
  switch (kind) {
    case MessageKind::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageKind::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageKind::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageKind::Confirmation:
      box.setIcon(QMessageBox::Question);
      break;
  }
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    default:  // closed with Escape or the window's close button
      return buttons == MessageButtons::YesNo ? MessageAnswer::No
             : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                              : MessageAnswer::Cancel;
  }
}

QString QtDialogs::QtFilter(const std::string& filter) {
  const QStringList parts = FromLocal(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtDialogs::openFile(const FileRequest& request) {
  const QString path =
      QFileDialog::getOpenFileName(QApplication::activeWindow(), FromLocal(request.title),
                                   FromLocal(request.initialPath), QtFilter(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return ToLocal(path);
}

std::optional<std::string> QtDialogs::saveFile(const FileRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), FromLocal(request.title),
                     FromLocal(request.initialPath), QtFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(FromLocal(request.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToLocal(dialog.selectedFiles().first());
}

std::optional<std::string> QtDialogs::inputBox(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& initial) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(QApplication::activeWindow(), FromLocal(caption), FromLocal(prompt),
                            QLineEdit::Normal, FromLocal(initial), &ok);
  if (!ok) return std::nullopt;
  return ToLocal(text);
}

std::optional<FontSetting> QtDialogs::fontDialog(const FontRequest& request) {
  QFontDialog::FontDialogOptions options;
  if (request.fixedPitchOnly) options |= QFontDialog::MonospacedFonts;
  if (request.trueTypeOnly) options |= QFontDialog::ScalableFonts;
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, ScreenFontOf(request.initial),
                                          QApplication::activeWindow(), QString(), options);
  if (!ok) return std::nullopt;
  return StoredFontOf(font, request.initial.charSet);
}

std::optional<std::uint32_t> QtDialogs::colorDialog(std::uint32_t initial) {
  const QColor color = QColorDialog::getColor(ScreenColorOf(initial), QApplication::activeWindow());
  if (!color.isValid()) return std::nullopt;
  return StoredColorOf(color);
}

}  // namespace skelder

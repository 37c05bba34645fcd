#include "gui/editor/TtlHighlighter.h"

#include <QApplication>
#include <QPalette>

#include "gui/editor/StoredColor.h"

namespace skelder {

TtlHighlighter::TtlHighlighter(QObject* parent)
    : QObject(parent),
      textColor_(QApplication::palette().color(QPalette::Text)),
      backgroundColor_(QApplication::palette().color(QPalette::Base)),
      font_(QStringLiteral("Courier New"), 9) {
  setObjectName(QStringLiteral("TTM"));
  font_.setStyleHint(QFont::Monospace);
}

bool TtlHighlighter::LoadKeywords(const std::string& path) {
  const bool loaded = keywords_.LoadKeywords(path);
  emit keywordsChanged();
  return loaded;
}

void TtlHighlighter::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  emit keywordsChanged();
}

void TtlHighlighter::setAttributes(const HighlighterAttributes& attributes) {
  attributes_ = attributes;
  emit stylesChanged();
}

void TtlHighlighter::setAttribute(AttributeIndex index, const TextAttribute& attribute) {
  attributes_[index] = attribute;
  emit stylesChanged();
}

void TtlHighlighter::setEditorColors(const QColor& text, const QColor& background) {
  textColor_ = text;
  backgroundColor_ = background;
  emit stylesChanged();
}

void TtlHighlighter::setFont(const QFont& font) {
  font_ = font;
  emit stylesChanged();
}

QColor TtlHighlighter::foregroundOf(TokenKind kind) const {
  const auto index = AttributeOfKind(kind);
  if (!enabled_ || !index || attributes_[*index].foreground == kNoColor) return textColor_;
  return ScreenColorOf(attributes_[*index].foreground);
}

QColor TtlHighlighter::backgroundOf(TokenKind kind) const {
  const auto index = AttributeOfKind(kind);
  if (!enabled_ || !index || attributes_[*index].background == kNoColor) return backgroundColor_;
  return ScreenColorOf(attributes_[*index].background);
}

QFont TtlHighlighter::fontOf(TokenKind kind) const {
  QFont font = font_;
  const auto index = AttributeOfKind(kind);
  if (!enabled_ || !index) return font;
  const int style = attributes_[*index].style;
  font.setBold((style & kStyleBold) != 0);
  font.setItalic((style & kStyleItalic) != 0);
  font.setUnderline((style & kStyleUnderline) != 0);
  font.setStrikeOut((style & kStyleStrikeOut) != 0);
  return font;
}

const char* TtlHighlighter::SampleSource() {
  return "\r\n"
         "; This highlighter will recognize the commands of TeraTerm\r\n"
         "; macro language as keywords. It will also highlight \"Strings\".\r\n"
         "; ******* Macro Template for Telnet session *******\r\n"
         "; Substitute words inside angle brackets with corresponding values\r\n"
         "; and delete angle brackets.\r\n"
         ";\r\n"
         "; Openning telnet connection using port 23\r\n"
         "connect '<server_name_or_IP_address>:23 /nossh'\r\n"
         ";\r\n"
         "; Entering synchronous communication mode (useful in most cases)\r\n"
         "setsync 1\r\n"
         ";\r\n"
         "; Assigning new title to TeraTerm window\r\n"
         "settitle 'Connecting <Server_name_or_site_name>'\r\n"
         "; Another way of assigning title using Skelder key word\r\n"
         "; settitle 'Connecting $connection$'\r\n"
         ";\r\n"
         "; Waiting for Login prompt from remote side\r\n"
         "wait 'ogin:'\r\n"
         ";\r\n"
         "; Sending user name\r\n"
         "sendln '<user_name>'\r\n"
         "; Another way of sending user name using Skelder key word\r\n"
         "; sendln '$user$'\r\n"
         ";\r\n"
         "; Waiting for Password prompt from remote side\r\n"
         "wait 'assword:'\r\n"
         ";\r\n"
         "; Calling Popup window to type in password\r\n"
         "passwordbox 'Enter password' 'Login'\r\n"
         "sendln inputstr\r\n"
         "; Previous 2 lines can be replaced with hardcoded password (not recommended)\r\n"
         "; sendln '<password>'\r\n"
         ";\r\n"
         "; Assigning final title to TeraTerm window\r\n"
         "settitle 'Connected to <Server_name_or_site_name>'\r\n"
         ";";
}

}  // namespace skelder

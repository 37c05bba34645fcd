#include "gui/editor/HighlighterPage.h"

#include <Qsci/qsciscintilla.h>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/base/UserDialogs.h"
#include "gui/editor/StoredColor.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/editor/TtlLexer.h"
#include "gui/ui/Named.h"

namespace skelder {

namespace {

constexpr int kElementCount = 13;
constexpr int kAttributeElements = kElementCount - 4;
constexpr int kWhiteSpace = 3;

const char* const kElements[kElementCount] = {"Reserved word",
                                              "Identifier",
                                              "String",
                                              "WhiteSpace",
                                              "Label",
                                              "System variable",
                                              "Comment",
                                              "Operation",
                                              "Skelder key word",
                                              "Selected color foreground",
                                              "Selected color background",
                                              "Active line color",
                                              "Background color"};

const AttributeIndex kElementAttributes[kAttributeElements] = {
    KeyAttri,     IdentifierAttri, StringAttri, SpaceAttri,      LabelsAttri,
    SysVarsAttri, CommentAttri,    SymbolAttri, SkelderVarsAttri};

// The preview's text; its fourth line and the line break after it stay selected.
const char kPreview[] =
    "; Teraterm Macro language sample code\r\n"
    "wait \"yes/no\" \"assword:\"\r\n"
    "if result = 2 goto pswd\r\n"
    "sendln 'yes'\r\n"
    "wait 'assword:'\r\n"
    ":pswd\r\n"
    "mypager = $pager$";
constexpr int kSelectionStart = 90;
constexpr int kSelectionEnd = 104;

}  // namespace

HighlighterPage::HighlighterPage(TtlHighlighter& ttm, QsciScintilla& macroEditor,
                                 UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), macroEditor_(macroEditor), dialogs_(dialogs), ttm_(ttm) {
  buildControls();
  HighlighterPage& page = *this;
  for (const char* element : kElements) page.Elements->addItem(QLatin1String(element));
  QsciScintilla* preview = page.Memo3;
  preview->setText(QLatin1String(kPreview));
  preview->setReadOnly(true);
  preview->setCaretWidth(0);
  preview->setCaretLineVisible(true);
  preview->setMarginType(0, QsciScintilla::NumberMargin);
  preview->setMarginWidth(0, QStringLiteral("00"));
  page.Button2->setEnabled(true);
  connect(page.Elements, &QListWidget::currentRowChanged, this, &HighlighterPage::SelectElement);
  connect(page.btnChangeTTMColors, &QPushButton::clicked, this, &HighlighterPage::ChangeColor);
  connect(page.Button2, &QPushButton::clicked, this, &HighlighterPage::ResetToDefaults);
  const std::pair<QCheckBox*, int> boxes[] = {{page.cbElemBold, kStyleBold},
                                              {page.cbElemItalic, kStyleItalic},
                                              {page.cbElemUnderline, kStyleUnderline}};
  for (const auto& [box, bit] : boxes)
    connect(box, &QCheckBox::clicked, this, [this, bit = bit](bool on) { styleClicked(bit, on); });
  preview->setLexer(new TtlLexer(ttm_, this));
}

void HighlighterPage::buildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral(" Syntax Highlighter color settings: "));
  auto* g = new QHBoxLayout(group);
  auto* elements = new QGroupBox(QStringLiteral(" Elements: "));
  auto* e = new QVBoxLayout(elements);
  Elements = Named(new QListWidget, "Elements");
  e->addWidget(Elements);
  g->addWidget(elements);
  auto* right = new QVBoxLayout;
  auto* attributes = new QGroupBox(QStringLiteral(" Text attribute: "));
  auto* a = new QVBoxLayout(attributes);
  cbElemBold = Named(new QCheckBox(QStringLiteral("&Bold")), "cbElemBold");
  cbElemItalic = Named(new QCheckBox(QStringLiteral("&Italic")), "cbElemItalic");
  cbElemUnderline = Named(new QCheckBox(QStringLiteral("&Underline")), "cbElemUnderline");
  for (QCheckBox* box : {cbElemBold, cbElemItalic, cbElemUnderline}) {
    box->setEnabled(false);
    a->addWidget(box);
  }
  right->addWidget(attributes);
  btnChangeTTMColors =
      Named(new QPushButton(QStringLiteral("&Change Color...")), "btnChangeTTMColors");
  Button2 = Named(new QPushButton(QStringLiteral("&Reset to defaults")), "Button2");
  btnChangeTTMColors->setEnabled(false);
  Button2->setEnabled(false);
  right->addWidget(btnChangeTTMColors);
  right->addWidget(Button2);
  right->addStretch();
  g->addLayout(right);
  layout->addWidget(group);
  Memo3 = Named(new QsciScintilla, "Memo3");
  Memo3->setReadOnly(true);
  Memo3->setText(QStringLiteral("; Preview\r\nconnect 'host:22 /ssh'\r\nwait 'login:'\r\n"));
  layout->addWidget(Memo3, 1);
}

void HighlighterPage::ShowColors(const Settings& settings) {
  background_ = settings.editorBgColor;
  activeLine_ = settings.editorActLineColor;
  selectionForeground_ = settings.editorSelectionForeground;
  selectionBackground_ = settings.editorSelectionBackground;
  showPreviewColors();
}

void HighlighterPage::ReadColors(Settings& settings) const {
  settings.editorBgColor = background_;
  settings.editorActLineColor = activeLine_;
  settings.editorSelectionForeground = selectionForeground_;
  settings.editorSelectionBackground = selectionBackground_;
}

void HighlighterPage::Prepare() {
  copyColorsToMacroEditor();
  selectPreviewLine();
  Elements->setCurrentRow(0);
  SelectElement(0);
}

void HighlighterPage::showPreviewColors() {
  QsciScintilla* preview = Memo3;
  const QColor background = ScreenColorOf(background_);
  preview->setPaper(background);
  preview->setCaretLineBackgroundColor(ScreenColorOf(activeLine_));
  preview->setSelectionForegroundColor(ScreenColorOf(selectionForeground_));
  preview->setSelectionBackgroundColor(ScreenColorOf(selectionBackground_));
  ttm_.setEditorColors(ttm_.textColor(), background);
}

// The macro editor's background and caret line follow the preview through its colouring;
// the highlighter gives the background to the text of both again.
void HighlighterPage::copyColorsToMacroEditor() {
  ttm_.setEditorColors(ttm_.textColor(), ScreenColorOf(background_));
  QsciScintilla* editor = &macroEditor_;
  editor->setSelectionForegroundColor(ScreenColorOf(selectionForeground_));
  editor->setSelectionBackgroundColor(ScreenColorOf(selectionBackground_));
  emit macroEditorColorsChanged();
}

void HighlighterPage::selectPreviewLine() {
  Memo3->SendScintilla(QsciScintilla::SCI_SETSEL, kSelectionStart, kSelectionEnd);
}

std::uint32_t* HighlighterPage::editorColor(int element) {
  switch (element) {
    case 9:
      return &selectionForeground_;
    case 10:
      return &selectionBackground_;
    case 11:
      return &activeLine_;
    case 12:
      return &background_;
    default:
      return nullptr;
  }
}

// Setting the boxes here changes no attribute: only a click does.
void HighlighterPage::SelectElement(int index) {
  if (index < 0 || index >= kElementCount) return;
  HighlighterPage& page = *this;
  const bool attribute = index < kAttributeElements;
  int style = 0;
  if (attribute) {
    const TextAttribute& text = ttm_.attribute(kElementAttributes[index]);
    style = text.style;
    if (index != kWhiteSpace) dialogColor_ = text.foreground;
  } else {
    dialogColor_ = *editorColor(index);
  }
  const std::pair<QCheckBox*, int> boxes[] = {{page.cbElemBold, kStyleBold},
                                              {page.cbElemItalic, kStyleItalic},
                                              {page.cbElemUnderline, kStyleUnderline}};
  for (const auto& [box, bit] : boxes) {
    box->setEnabled(attribute);
    box->setChecked((style & bit) != 0);
  }
  page.btnChangeTTMColors->setEnabled(index != kWhiteSpace);
}

void HighlighterPage::styleClicked(int bit, bool on) {
  const int index = Elements->currentRow();
  if (index < 0 || index >= kAttributeElements) return;
  TextAttribute text = ttm_.attribute(kElementAttributes[index]);
  text.style = on ? text.style | bit : text.style & ~bit;
  ttm_.setAttribute(kElementAttributes[index], text);
}

// Whether the dialog was confirmed or not, the macro editor takes the preview's colours.
void HighlighterPage::ChangeColor() {
  const int index = Elements->currentRow();
  if (index >= 0 && index < kElementCount && index != kWhiteSpace) {
    if (const auto color = dialogs_.colorDialog(dialogColor_)) {
      dialogColor_ = *color;
      if (index < kAttributeElements) {
        TextAttribute text = ttm_.attribute(kElementAttributes[index]);
        text.foreground = *color;
        ttm_.setAttribute(kElementAttributes[index], text);
      } else {
        *editorColor(index) = *color;
        showPreviewColors();
      }
    }
  }
  copyColorsToMacroEditor();
}

void HighlighterPage::ResetToDefaults() {
  if (dialogs_.messageBox(
          MessageKind::Confirmation, MessageButtons::YesNo,
          "Are you sure you want to reset all colors and styles to their default values?") ==
      MessageAnswer::Yes) {
    HighlighterAttributes attributes = ttm_.attributes();
    const HighlighterAttributes& defaults = DefaultHighlighterAttributes();
    for (int i = 0; i < kAttributeCount; ++i) {
      attributes[i].foreground = defaults[i].foreground;
      attributes[i].style = defaults[i].style;
    }
    ttm_.setAttributes(attributes);
    const Settings fresh;
    ShowColors(fresh);
    copyColorsToMacroEditor();
    selectPreviewLine();
  }
  Elements->setCurrentRow(0);
  SelectElement(0);
}

}  // namespace skelder

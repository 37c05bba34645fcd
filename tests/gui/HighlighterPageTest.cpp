#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <QTest>

#include "MainWindowFixture.h"
#include "gui/editor/HighlighterPage.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/StoredColor.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/properties/SettingsPages.h"

namespace skelder::testing {

namespace {

const char kResetQuestion[] =
    "Are you sure you want to reset all colors and styles to their default values?";

class HighlighterPageTest : public MainWindowFixture {
 protected:
  MainWindow& open() {
    auto& window = create();
    window.show();
    window.ShowPage(0, 3);
    return window;
  }
  SettingsPages& page() { return window->settingsPages(); }
  TtlHighlighter& ttm() { return window->macroEditor().highlighter(); }
  QsciScintilla* memo(const char* name) { return window->findChild<QsciScintilla*>(name); }
  void select(int element) { page().highlighter().Elements->setCurrentRow(element); }
  std::vector<bool> boxes() {
    return {page().highlighter().cbElemBold->isChecked(),
            page().highlighter().cbElemItalic->isChecked(),
            page().highlighter().cbElemUnderline->isChecked()};
  }
  // The background the editor draws, of its text and beyond it.
  static QColor Background(QsciScintilla* editor) {
    const auto text = static_cast<std::uint32_t>(
        editor->SendScintilla(QsciScintilla::SCI_STYLEGETBACK, 6UL));  // spaces
    const auto beyond = static_cast<std::uint32_t>(
        editor->SendScintilla(QsciScintilla::SCI_STYLEGETBACK, 32UL));  // the default style
    EXPECT_EQ(text, beyond);
    return ScreenColorOf(text);
  }
  static QColor CaretLine(QsciScintilla* editor) {
    return ScreenColorOf(
        static_cast<std::uint32_t>(editor->SendScintilla(QsciScintilla::SCI_GETCARETLINEBACK)));
  }
};

}  // namespace

TEST_F(HighlighterPageTest, ElementsShowTheirStylesAndOfferTheirColours) {
  open();
  QStringList names;
  for (int i = 0; i < page().highlighter().Elements->count(); ++i)
    names << page().highlighter().Elements->item(i)->text();
  EXPECT_EQ(names, QStringList({"Reserved word", "Identifier", "String", "WhiteSpace", "Label",
                                "System variable", "Comment", "Operation", "Skelder key word",
                                "Selected color foreground", "Selected color background",
                                "Active line color", "Background color"}));
  EXPECT_EQ(page().highlighter().Elements->currentRow(), 0);
  const struct {
    int element;
    std::vector<bool> boxes;
    bool styles, color;
  } cases[] = {
      {0, {true, false, false}, true, true},   {6, {false, true, false}, true, true},
      {3, {false, false, false}, true, false}, {7, {true, false, false}, true, true},
      {9, {false, false, false}, false, true}, {12, {false, false, false}, false, true},
  };
  for (const auto& c : cases) {
    select(c.element);
    EXPECT_EQ(boxes(), c.boxes) << c.element;
    EXPECT_EQ(page().highlighter().cbElemBold->isEnabled(), c.styles) << c.element;
    EXPECT_EQ(page().highlighter().cbElemUnderline->isEnabled(), c.styles) << c.element;
    EXPECT_EQ(page().highlighter().btnChangeTTMColors->isEnabled(), c.color) << c.element;
  }
  EXPECT_EQ(ttm().attributes(), DefaultHighlighterAttributes());  // showing changed nothing

  // A click on a box changes the attribute; both editors draw with it at once.
  select(6);
  page().highlighter().cbElemBold->click();
  page().highlighter().cbElemItalic->click();
  EXPECT_EQ(ttm().attribute(CommentAttri).style, kStyleBold);
  for (const char* name : {"Memo1", "Memo3"}) {
    EXPECT_TRUE(memo(name)->lexer()->font(0).bold()) << name;
    EXPECT_FALSE(memo(name)->lexer()->font(0).italic()) << name;
  }
}

TEST_F(HighlighterPageTest, ColoursGoToTheAttributeOrThePreviewAndTheMacroEditorFollows) {
  key()->writeInteger("EditorBgColor", 0x00F0F0F0);
  open();
  QsciScintilla* memo1 = memo("Memo1");
  QsciScintilla* memo3 = memo("Memo3");
  EXPECT_EQ(memo3->text().split("\r\n").value(3), QStringLiteral("sendln 'yes'"));
  EXPECT_EQ(memo3->selectedText(), QStringLiteral("sendln 'yes'\r\n"));
  EXPECT_EQ(Background(memo3), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(Background(memo1), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(CaretLine(memo3), QColor(255, 255, 0));

  select(5);  // System variable
  dialogs.answer("color:#102030");
  page().highlighter().btnChangeTTMColors->click();
  EXPECT_EQ(dialogs.boxes().back(), (RecordedBox{"color", "", "#808000"}));
  EXPECT_EQ(ttm().attribute(SysVarsAttri).foreground, 0x00302010u);
  EXPECT_EQ(memo1->lexer()->color(9), QColor(0x10, 0x20, 0x30));

  select(12);
  dialogs.answer("color:#203040");
  page().highlighter().btnChangeTTMColors->click();
  EXPECT_EQ(dialogs.boxes().back(), (RecordedBox{"color", "", "#F0F0F0"}));
  EXPECT_EQ(Background(memo3), QColor(0x20, 0x30, 0x40));
  EXPECT_EQ(Background(memo1), QColor(0x20, 0x30, 0x40));

  // Cancelled, the dialog still gives the macro editor the preview's colours.
  memo1->SendScintilla(QsciScintilla::SCI_STYLESETBACK, 32UL, 0x00060504L);
  memo1->SendScintilla(QsciScintilla::SCI_STYLESETBACK, 6UL, 0x00060504L);
  dialogs.answer("cancel");
  page().highlighter().btnChangeTTMColors->click();
  EXPECT_EQ(Background(memo1), QColor(0x20, 0x30, 0x40));

  window->Shutdown();
  auto stored = store->openKey(kSettingsKeyPath, false);
  EXPECT_EQ(stored->readInteger("EditorBgColor"), 0x00403020);
  EXPECT_EQ(stored->readInteger("EditorActLineColor"), 0x0000FFFF);
  // System colours are kept as such.
  EXPECT_EQ(stored->readInteger("EditorSelectionBackground"), static_cast<int>(0xFF00000D));
}

TEST_F(HighlighterPageTest, ResetToDefaultsAsksFirstAndKeepsTheBackgrounds) {
  open();
  HighlighterAttributes changed = ttm().attributes();
  changed[KeyAttri] = {"Text", 0x00111111, 0x00222222, kStyleItalic};
  ttm().setAttributes(changed);
  select(12);
  dialogs.answer("color:#000000");
  page().highlighter().btnChangeTTMColors->click();
  QsciScintilla* memo3 = memo("Memo3");
  memo3->SendScintilla(QsciScintilla::SCI_SETSEL, 0UL, 3L);

  select(4);
  dialogs.answer("No");
  page().highlighter().Button2->click();
  EXPECT_EQ(dialogs.boxes().back(), ConfirmBox("Yes,No", kResetQuestion));
  EXPECT_EQ(ttm().attributes(), changed);
  EXPECT_EQ(page().highlighter().Elements->currentRow(), 0);
  EXPECT_EQ(Background(memo3), QColor(0, 0, 0));

  select(4);
  dialogs.answer("Yes");
  page().highlighter().Button2->click();
  HighlighterAttributes expected = DefaultHighlighterAttributes();
  expected[KeyAttri].background = 0x00222222;
  EXPECT_EQ(ttm().attributes(), expected);
  EXPECT_EQ(page().highlighter().Elements->currentRow(), 0);
  EXPECT_EQ(boxes(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(Background(memo3), ScreenColorOf(kWindowColor));
  EXPECT_EQ(Background(memo("Memo1")), ScreenColorOf(kWindowColor));
  EXPECT_EQ(memo3->selectedText(), QStringLiteral("sendln 'yes'\r\n"));
}

}  // namespace skelder::testing

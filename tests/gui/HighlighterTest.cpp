#include <Qsci/qsciscintilla.h>
#include <QTest>

#include "MainWindowFixture.h"
#include "core/tree/NodeTextEncoding.h"
#include "gui/editor/MacroEditor.h"
#include "gui/editor/TtlHighlighter.h"
#include "gui/editor/TtlLexer.h"
#include "gui/properties/SettingsPages.h"

namespace skelder::testing {

namespace {

const char kKeyFileWarning[] =
    "The file 'KeyFile.ini' was not found in application directory.\r\n"
    "Syntax highlighting and context sensitive help functions will be disabled.";

class HighlighterTest : public MainWindowFixture {
 protected:
  MainWindow& open(const std::string& macro) {
    auto& window = create();
    selectNodes({addConnection("Web", nullptr, macro)});
    window.show();
    return window;
  }
  QsciScintilla* memo(const char* name) { return window->findChild<QsciScintilla*>(name); }
  // The style of every byte of the editor's text, as its token kind's code.
  static std::vector<int> styles(QsciScintilla* editor) {
    editor->SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    std::vector<int> codes;
    const long length = editor->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    for (long i = 0; i < length; ++i)
      codes.push_back(static_cast<int>(
          editor->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, static_cast<unsigned long>(i))));
    return codes;
  }
  static long Foreground(QsciScintilla* editor, int style) {
    return editor->SendScintilla(QsciScintilla::SCI_STYLEGETFORE,
                                 static_cast<unsigned long>(style));
  }
  // The font the editor was given for a style.
  static QFont Font(QsciScintilla* editor, int style) { return editor->lexer()->font(style); }
};

}  // namespace

TEST_F(HighlighterTest, TheMacroEditorAndThePreviewShowTokensInTheirAttributes) {
  open("sendln 'x' ; hi\r\n:pswd");
  QsciScintilla* memo1 = memo("Memo1");
  ASSERT_TRUE(qobject_cast<TtlLexer*>(memo1->lexer()));
  // The comment runs to the end of its line, line break included.
  EXPECT_EQ(styles(memo1),
            (std::vector<int>{2, 2, 2, 2, 2, 2, 6, 7, 7, 7, 6, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3}));
  QsciScintilla* memo3 = memo("Memo3");
  ASSERT_TRUE(qobject_cast<TtlLexer*>(memo3->lexer()));
  EXPECT_NE(memo3->lexer(), memo1->lexer());  // each editor has its own view of TTM

  // Colours as the editor control keeps them (0x00BBGGRR) and styles of the attributes.
  for (QsciScintilla* editor : {memo1, memo3}) {
    EXPECT_EQ(Foreground(editor, 2), 0x800000);  // navy commands
    EXPECT_TRUE(Font(editor, 2).bold());
    EXPECT_EQ(Foreground(editor, 0), 0x008000);  // green comments
    EXPECT_TRUE(Font(editor, 0).italic());
    EXPECT_FALSE(Font(editor, 0).bold());
    EXPECT_EQ(Foreground(editor, 4), 0x0000FF);  // red keywords
    EXPECT_EQ(Font(editor, 4).family(), QStringLiteral("Courier New"));
  }

  // A changed attribute shows in both editors at once.
  TtlHighlighter& ttm = window->macroEditor().highlighter();
  TextAttribute key = ttm.attribute(KeyAttri);
  key.foreground = 0x00123456;
  key.style = kStyleUnderline;
  ttm.setAttribute(KeyAttri, key);
  for (QsciScintilla* editor : {memo1, memo3}) {
    EXPECT_EQ(Foreground(editor, 2), 0x123456);
    EXPECT_FALSE(Font(editor, 2).bold());
    EXPECT_TRUE(Font(editor, 2).underline());
    EXPECT_EQ(editor->SendScintilla(QsciScintilla::SCI_STYLEGETUNDERLINE, 2UL), 1);
  }
  EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(HighlighterTest, WithoutAKeywordFileHighlightingIsOffAfterAWarning) {
  const struct {
    const char* content;  // nothing: no file
  } cases[] = {{nullptr}, {"[COMMANDS]\r\nsendln=92078\r\n\r\n"}};
  for (const auto& c : cases) {
    std::filesystem::remove(folder.file("tt/KeyFile.ini"));
    if (c.content) WriteFileBytes(folder.file("tt/KeyFile.ini"), c.content);
    dialogs.clear();
    open("sendln 'x'");
    EXPECT_EQ(dialogs.boxes(), std::vector<RecordedBox>{WarningBox(kKeyFileWarning)});
    TtlHighlighter& ttm = window->macroEditor().highlighter();
    EXPECT_FALSE(ttm.enabled());
    EXPECT_TRUE(ttm.keywords().names().empty());
    EXPECT_EQ(styles(memo("Memo1")), std::vector<int>(10, 5));  // the editor's own colours
  }
}

TEST_F(HighlighterTest, AttributesComeFromTheSettingsAndGoBack) {
  {
    auto comment = store->openKey("Software\\Vantrell Solutions\\Skelder\\Comment", true);
    comment->writeInteger("Foreground", 0x00ABCDEF);
    comment->writeInteger("Style", kStyleBold);
  }
  open("; note");
  QsciScintilla* memo1 = memo("Memo1");
  EXPECT_EQ(Foreground(memo1, 0), 0xABCDEF);
  EXPECT_TRUE(Font(memo1, 0).bold());
  EXPECT_FALSE(Font(memo1, 0).italic());

  TtlHighlighter& ttm = window->macroEditor().highlighter();
  TextAttribute symbol = ttm.attribute(SymbolAttri);
  symbol.foreground = 0x00010203;
  ttm.setAttribute(SymbolAttri, symbol);
  window->Shutdown();
  auto saved = store->openKey("Software\\Vantrell Solutions\\Skelder\\Symbol", false);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->readInteger("Foreground"), 0x010203);
  EXPECT_EQ(saved->readInteger("Style"), kStyleBold);
}

}  // namespace skelder::testing

#include "designer/script/ScriptEditor.h"

#include <Qsci/qscilexerpascal.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

bool talmoTestNeedsWidgets() { return true; }

using namespace talmo;

namespace {

const QStringList Code = { QStringLiteral("procedure Page_Button1OnClick(Sender: TObject);"),
                           QStringLiteral("begin"), QStringLiteral("  MsgBox('Hi', mbInformation, MB_OK);"),
                           QStringLiteral("end;") };

struct ScriptEditorTest : ::testing::Test
{
    ScriptEditorTest()
    {
        editor.resize(500, 300);
        editor.show();
        editor.setLines(Code);
    }

    ScriptEditor editor;
};

TEST_F(ScriptEditorTest, ProgramWritesAreSilentAndOutOfUndoReach)
{
    QSignalSpy changes(&editor, &ScriptEditor::codeChanged);
    editor.setLines({ QStringLiteral("header"), QStringLiteral("x") });
    EXPECT_EQ(changes.count(), 0);
    editor.undo();
    EXPECT_EQ(editor.Lines(), QStringList({ "header", "x" }));

    editor.setCursorPosition(1, 1);
    QTest::keyClicks(&editor, QStringLiteral("yz"));
    EXPECT_GE(changes.count(), 2);
    EXPECT_EQ(editor.Lines(), QStringList({ "header", "xyz" }));
}

TEST_F(ScriptEditorTest, LinesLoseTrailingBlanksAndTabsBecomeSpaces)
{
    editor.setLines({ QStringLiteral("head  "), QStringLiteral("a \t"), QString() });
    EXPECT_EQ(editor.Lines(), QStringList({ "head", "a", "" }));
    editor.setCursorPosition(2, 0);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_FALSE(editor.text(2).contains(QLatin1Char('\t')));
    EXPECT_TRUE(editor.text(2).startsWith(QLatin1Char(' ')));
}

TEST_F(ScriptEditorTest, AutoIndentKeepsTheIndentOfTheLineAbove)
{
    editor.setCursorPosition(2, int(Code.at(2).size()));
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, QStringLiteral("x"));
    EXPECT_EQ(editor.Lines().at(3), QStringLiteral("  x"));
}

// One edit tried on the loaded code; the lines afterwards.
struct GuardCase
{
    const char *name;
    int fromLine, fromIndex, toLine, toIndex; // a caret when from == to
    std::function<void(ScriptEditor &)> edit;
    QStringList expected;
};

void Key(ScriptEditor &editor, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(&editor, key, modifiers);
}

TEST_F(ScriptEditorTest, FirstLineIsNeverEditedAndEditsStartingThereActFromLineTwo)
{
    const QString header = Code.at(0);
    const QList<GuardCase> cases = {
        { "typing in line 1", 0, 5, 0, 5, [](ScriptEditor &e) { QTest::keyClicks(&e, QStringLiteral("x")); }, Code },
        { "return in line 1", 0, 5, 0, 5, [](ScriptEditor &e) { Key(e, Qt::Key_Return); }, Code },
        { "backspace at the start of line 2", 1, 0, 1, 0, [](ScriptEditor &e) { Key(e, Qt::Key_Backspace); }, Code },
        { "word backspace at the start of line 2", 1, 0, 1, 0,
          [](ScriptEditor &e) { Key(e, Qt::Key_Backspace, Qt::ControlModifier); }, Code },
        { "delete at the end of line 1", 0, int(header.size()), 0, int(header.size()),
          [](ScriptEditor &e) { Key(e, Qt::Key_Delete); }, Code },
        { "delete of a selection inside line 1", 0, 2, 0, 9, [](ScriptEditor &e) { Key(e, Qt::Key_Delete); }, Code },
        { "line cut in line 1", 0, 3, 0, 3, [](ScriptEditor &e) { Key(e, Qt::Key_L, Qt::ControlModifier); }, Code },
        { "typing over a selection from line 1", 0, 4, 1, 2, [](ScriptEditor &e) { QTest::keyClicks(&e, QStringLiteral("Z")); },
          { header, "Zgin", Code.at(2), Code.at(3) } },
        { "backspace over a selection from line 1", 0, 0, 2, 2, [](ScriptEditor &e) { Key(e, Qt::Key_Backspace); },
          { header, "MsgBox('Hi', mbInformation, MB_OK);", Code.at(3) } },
        { "select all and paste", 0, 0, 0, 0,
          [](ScriptEditor &e) {
              QApplication::clipboard()->setText(QStringLiteral("one\ntwo"));
              e.selectAll();
              Key(e, Qt::Key_V, Qt::ControlModifier);
          },
          { header, "one", "two" } },
        { "select all and menu cut", 0, 0, 0, 0,
          [](ScriptEditor &e) {
              e.selectAll();
              e.contextMenu()->actions().at(1)->trigger();
          },
          { header, "" } },
        { "menu paste in line 1", 0, 3, 0, 3,
          [](ScriptEditor &e) {
              QApplication::clipboard()->setText(QStringLiteral("zz"));
              e.contextMenu()->actions().at(2)->trigger();
          },
          Code },
        { "typing below line 1", 1, 5, 1, 5, [](ScriptEditor &e) { QTest::keyClicks(&e, QStringLiteral(" x")); },
          { header, "begin x", Code.at(2), Code.at(3) } },
        { "backspace inside line 2", 1, 2, 1, 2, [](ScriptEditor &e) { Key(e, Qt::Key_Backspace); },
          { header, "bgin", Code.at(2), Code.at(3) } },
    };
    for (const GuardCase &guard : cases) {
        SCOPED_TRACE(guard.name);
        editor.setLines(Code);
        if (guard.fromLine == guard.toLine && guard.fromIndex == guard.toIndex)
            editor.setCursorPosition(guard.fromLine, guard.fromIndex);
        else
            editor.setSelection(guard.fromLine, guard.fromIndex, guard.toLine, guard.toIndex);
        guard.edit(editor);
        EXPECT_EQ(editor.Lines(), guard.expected);
    }
}

TEST_F(ScriptEditorTest, UnprotectedFirstLineEditsLikeAnyOther)
{
    editor.setFirstLineProtected(false);
    editor.setCursorPosition(1, 0);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    EXPECT_EQ(editor.Lines().at(0), Code.at(0) + Code.at(1));
    EXPECT_EQ(editor.markersAtLine(0), 0u);
}

// The colour of the editor's background at the right end of a line, where no text is.
QColor LineBackground(ScriptEditor &editor, int line)
{
    const int height = int(editor.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, line));
    const QImage picture = editor.viewport()->grab().toImage();
    return picture.pixelColor(picture.width() - 5, line * height + height / 2);
}

TEST_F(ScriptEditorTest, TheHintColourFollowsTheCaretAndTheHeaderIsColouredAsCode)
{
    const QColor hint(0xFF, 0xFF, 0xE1);
    editor.setLines({ QStringLiteral("// Global code for all forms"), QStringLiteral("var"), QString() });
    editor.setCursorPosition(2, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(LineBackground(editor, 2), hint);
    EXPECT_EQ(LineBackground(editor, 0), QColor(Qt::white));
    editor.setCursorPosition(0, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(LineBackground(editor, 0), hint);
    EXPECT_EQ(LineBackground(editor, 2), QColor(Qt::white));
    // The header comment is styled and drawn as every comment: nothing paints over it.
    EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 3), long(QsciLexerPascal::CommentLine));
    EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_INDICATORALLONFOR, 3), 0);
}

TEST_F(ScriptEditorTest, TheHorizontalScrollBarShowsOnlyForALineWiderThanTheView)
{
    QCoreApplication::processEvents();
    EXPECT_FALSE(editor.horizontalScrollBar()->isVisible());
    editor.setLines(Code + QStringList(QString(300, QLatin1Char('x'))));
    editor.setCursorPosition(4, 300);
    QCoreApplication::processEvents();
    EXPECT_TRUE(editor.horizontalScrollBar()->isVisible());
    editor.setLines(Code);
    QCoreApplication::processEvents();
    EXPECT_FALSE(editor.horizontalScrollBar()->isVisible()) << "new text starts with no wider line";
}

TEST_F(ScriptEditorTest, LexerColoursCommentsKeywordsAndStrings)
{
    auto *lexer = qobject_cast<QsciLexerPascal *>(editor.lexer());
    ASSERT_NE(lexer, nullptr);
    EXPECT_EQ(lexer->color(QsciLexerPascal::CommentLine), QColor(0, 0x80, 0));
    EXPECT_EQ(lexer->color(QsciLexerPascal::Comment), QColor(0, 0x80, 0));
    EXPECT_EQ(lexer->color(QsciLexerPascal::Keyword), QColor(0, 0, 0x80));
    EXPECT_EQ(lexer->color(QsciLexerPascal::SingleQuotedString), QColor(0, 0, 0xFF));
    EXPECT_EQ(lexer->font(QsciLexerPascal::Default).pointSize(), 9);
    EXPECT_TRUE(lexer->font(QsciLexerPascal::Default).fixedPitch());
    for (int margin = 0; margin < 5; ++margin)
        EXPECT_EQ(editor.marginWidth(margin), 0);
}

TEST_F(ScriptEditorTest, WordAtCaretIsTheIdentifierTouchingTheCaret)
{
    const struct { int index; const char *word; } cases[] = {
        { 2, "MsgBox" }, { 5, "MsgBox" }, { 8, "MsgBox" }, { 0, "" }, { 10, "Hi" },
    };
    for (const auto &c : cases) {
        editor.setCursorPosition(2, c.index);
        EXPECT_EQ(editor.wordAtCaret(), QString::fromLatin1(c.word)) << c.index;
    }
}

TEST_F(ScriptEditorTest, ContextMenuOffersClipboardAndHelperLookUp)
{
    QStringList captions;
    for (QAction *action : editor.contextMenu()->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, QStringList({ "Copy", "Cut", "Paste", "-", "Locate Selection in Helper" }));

    QSignalSpy located(&editor, &ScriptEditor::locateSelectionInHelper);
    editor.setCursorPosition(2, 4);
    editor.contextMenu()->actions().at(4)->trigger();
    ASSERT_EQ(located.count(), 1);
    EXPECT_EQ(located.at(0).at(0).toString(), QStringLiteral("MsgBox"));
}

} // namespace

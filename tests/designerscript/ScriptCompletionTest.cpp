#include "designer/script/CompletionPopup.h"
#include "designer/script/ScriptCompletion.h"
#include "designer/script/ScriptEditor.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include "tests/support/QtPrinters.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

const ScriptKnowledgeBase &Knowledge()
{
    static const ScriptKnowledgeBase base;
    return base;
}

CompletionScope PageScope()
{
    CompletionScope scope;
    scope.pageIndex = 0;
    scope.pages = { { "Welcome", { "object TPanel", "  object Button1: TButton", "  end", "end" } } };
    return scope;
}

// A page's OnClick event with the caret on the empty line inside its body.
struct ScriptCompletionTest : ::testing::Test
{
    ScriptCompletionTest()
    {
        editor.resize(600, 300);
        editor.show();
        editor.setLines({ "procedure Welcome_Button1OnClick(Sender: TObject);", "begin", "  ", "end;" });
        editor.setCompletionScope(Knowledge(), [] { return PageScope(); });
        editor.completion()->setDelays(0, 0);
        editor.setCursorPosition(2, 2);
        editor.setFocus();
    }

    CompletionPopup &popup() { return *editor.completion()->popup(); }
    QString caretLine() { return editor.Lines().at(2); }

    ScriptEditor editor;
};

TEST_F(ScriptCompletionTest, DotListsTheMembersAndEnterInsertsTheInsertText)
{
    const ScriptMemberList members = Knowledge().ClassMembers(QStringLiteral("TWizardForm"));
    QTest::keyClicks(&editor, QStringLiteral("WizardForm."));
    ASSERT_TRUE(popup().isVisible());
    EXPECT_EQ(popup().shownLines(), members.declarations);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_FALSE(popup().isVisible());
    EXPECT_EQ(caretLine(), "  WizardForm." + members.insertTexts.at(0));
}

TEST_F(ScriptCompletionTest, TypedNameFiltersIgnoringCaseAndTabCompletes)
{
    QTest::keyClicks(&editor, QStringLiteral("WizardForm.nEXTb"));
    ASSERT_TRUE(popup().isVisible());
    EXPECT_EQ(popup().shownLines(), QStringList({ "property NextButton: TNewButton; read;" }));
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(caretLine(), QStringLiteral("  WizardForm.NextButton"));
}

TEST_F(ScriptCompletionTest, EndOfTokenCharacterCompletesAndTheNextListFollows)
{
    QTest::keyClicks(&editor, QStringLiteral("WizardForm.nextbutton."));
    EXPECT_EQ(caretLine(), QStringLiteral("  WizardForm.NextButton."));
    ASSERT_TRUE(popup().isVisible());
    EXPECT_EQ(popup().shownLines(), Knowledge().ClassMembers(QStringLiteral("TButton")).declarations);
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_FALSE(popup().isVisible());
    EXPECT_EQ(caretLine(), QStringLiteral("  WizardForm.NextButton."));
}

TEST_F(ScriptCompletionTest, NameThatMatchesNothingClosesTheList)
{
    QTest::keyClicks(&editor, QStringLiteral("WizardForm.zq"));
    EXPECT_FALSE(popup().isVisible());
    EXPECT_EQ(caretLine(), QStringLiteral("  WizardForm.zq"));
}

TEST_F(ScriptCompletionTest, CtrlSpaceListsEverythingAtOnce)
{
    QTest::keyClicks(&editor, QStringLiteral("x := "));
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(popup().isVisible());
    EXPECT_EQ(popup().shownLines().mid(0, 5),
              QStringList({ "var MainForm: TMainForm", "var WizardForm: TWizardForm", "param Sender: TObject",
                            "var Welcome: TWizardPage", "var Button1: TButton" }));
    EXPECT_EQ(caretLine(), QStringLiteral("  x :="));
}

TEST_F(ScriptCompletionTest, UnknownObjectOpensNothing)
{
    QTest::keyClicks(&editor, QStringLiteral("Nobody."));
    EXPECT_FALSE(popup().isVisible());
}

TEST_F(ScriptCompletionTest, ParameterHintMarksTheParameterAndFollowsCommas)
{
    ScriptCompletion &completion = *editor.completion();
    QTest::keyClicks(&editor, QStringLiteral("MsgBox("));
    ASSERT_TRUE(completion.isCallTipShown());
    EXPECT_EQ(completion.callTipParameters(),
              QStringList({ "const Text: String", "const Typ: TMsgBoxType", "const Buttons: Integer" }));
    EXPECT_EQ(completion.highlightedParameter(), 0);
    QTest::keyClicks(&editor, QStringLiteral("Copy(s, 1, 2), "));
    EXPECT_TRUE(completion.isCallTipShown());
    EXPECT_EQ(completion.callTipParameters().size(), 3);
    EXPECT_EQ(completion.highlightedParameter(), 1);
    QTest::keyClicks(&editor, QStringLiteral("mbError, MB_OK)"));
    EXPECT_FALSE(completion.isCallTipShown());
}

TEST_F(ScriptCompletionTest, CtrlShiftSpaceShowsTheHintAtOnce)
{
    editor.completion()->setDelays(60000, 60000);
    QTest::keyClicks(&editor, QStringLiteral("MsgBox('a', "));
    EXPECT_FALSE(editor.completion()->isCallTipShown());
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(editor.completion()->isCallTipShown());
    EXPECT_EQ(editor.completion()->highlightedParameter(), 1);
}

TEST_F(ScriptCompletionTest, PopUpsOpenAfterTheirDelays)
{
    editor.completion()->setDelays(30, 30);
    QTest::keyClicks(&editor, QStringLiteral("WizardForm."));
    EXPECT_FALSE(popup().isVisible());
    QTRY_VERIFY(popup().isVisible());
    QTest::keyClick(&editor, Qt::Key_Escape);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, QStringLiteral("MsgBox("));
    EXPECT_FALSE(editor.completion()->isCallTipShown());
    QTRY_VERIFY(editor.completion()->isCallTipShown());
}

// A typist who outruns the list's delay: the list that was due after the "."
// opens neither after the finished statement (where Enter would pick its
// first entry instead of breaking the line) nor on the empty line after Enter.
TEST_F(ScriptCompletionTest, TypingPastTheDelayKeepsExactlyWhatWasTyped)
{
    constexpr int ListDelay = 50;
    constexpr int Pause = 3 * ListDelay;
    editor.completion()->setDelays(ListDelay, ListDelay);
    QTest::keyClicks(&editor, QStringLiteral("Button1.Caption := 'Hello';"));
    QTest::keyClick(&editor, Qt::Key_Return, Qt::NoModifier, Pause);
    QTest::keyClicks(&editor, QStringLiteral("WizardForm.Caption := 'Setup';"));
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::NoModifier, Pause);
    QTest::keyClicks(&editor, QStringLiteral("MsgBox('a', mbError, MB_OK);"));
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::NoModifier, Pause);
    EXPECT_FALSE(popup().isVisible());
    EXPECT_FALSE(editor.completion()->isCallTipShown());
    EXPECT_EQ(editor.Lines(), QStringList({ "procedure Welcome_Button1OnClick(Sender: TObject);", "begin",
                                            "  Button1.Caption := 'Hello';",
                                            "  WizardForm.Caption := 'Setup';", "",
                                            "  MsgBox('a', mbError, MB_OK);", "", "", "end;" }));
}

TEST_F(ScriptCompletionTest, DelayedListOpensWhileTheMemberNameIsBeingTyped)
{
    editor.completion()->setDelays(30, 30);
    QTest::keyClicks(&editor, QStringLiteral("WizardForm.Next"));
    QTRY_VERIFY(popup().isVisible());
    EXPECT_EQ(popup().shownLines(), QStringList({ "property NextButton: TNewButton; read;" }));
}

// Keys the window system delivers while the list is being worked out: a
// letter extends the name the list filters by, Enter breaks the line and no
// list opens on the new one.
TEST_F(ScriptCompletionTest, KeysTypedWhileTheListOpensGoIntoTheText)
{
    struct Case
    {
        Qt::Key key;
        QString text;
        QStringList expectedLines;
        bool listShown;
    };
    const QList<Case> cases = {
        { Qt::Key_N, "N", { "  WizardForm.N" }, true },
        { Qt::Key_Return, "\r", { "  WizardForm.", "" }, false },
    };
    for (const Case &c : cases) {
        editor.setLines({ "procedure Welcome_Button1OnClick(Sender: TObject);", "begin", "  ", "end;" });
        editor.setCursorPosition(2, 2);
        bool posted = false;
        editor.setCompletionScope(Knowledge(), [&] {
            if (!posted)
                QCoreApplication::postEvent(&editor, new QKeyEvent(QEvent::KeyPress, c.key, Qt::NoModifier, c.text));
            posted = true;
            return PageScope();
        });
        editor.completion()->setDelays(0, 0);
        QTest::keyClicks(&editor, QStringLiteral("WizardForm."));
        EXPECT_TRUE(posted);
        EXPECT_EQ(editor.Lines().mid(2, c.expectedLines.size()), c.expectedLines) << c.text.toStdString();
        EXPECT_EQ(popup().isVisible(), c.listShown) << c.text.toStdString();
        if (c.listShown)
            EXPECT_TRUE(popup().shownLines().first().startsWith(QStringLiteral("property N"))) << c.text.toStdString();
        editor.completion()->cancel();
    }
}

TEST_F(ScriptCompletionTest, NothingOpensInTheProtectedFirstLine)
{
    editor.setCursorPosition(0, 10);
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(popup().isVisible());
    EXPECT_EQ(editor.Lines().at(0), QStringLiteral("procedure Welcome_Button1OnClick(Sender: TObject);"));
}

} // namespace

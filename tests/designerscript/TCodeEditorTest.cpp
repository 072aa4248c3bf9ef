#include "designer/script/CompletionPopup.h"
#include "designer/script/ScriptEditor.h"
#include "designer/script/ScriptHelpPane.h"
#include "designer/script/ScriptPages.h"
#include "designer/script/TCodeEditor.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include "tests/support/QtPrinters.h"

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace talmo;

namespace {

struct TCodeEditorTest : ::testing::Test
{
    std::unique_ptr<TCodeEditor> open()
    {
        ProjectPageFactory factory;
        registerScriptPages(factory);
        HostedPage *page = factory.create(PageKind::GlobalCode, { project, host, -1, &knowledge }, nullptr);
        auto editor = std::unique_ptr<TCodeEditor>(dynamic_cast<TCodeEditor *>(page));
        EXPECT_NE(editor, nullptr);
        editor->resize(600, 400);
        editor->show();
        return editor;
    }

    ScriptKnowledgeBase knowledge;
    TProjectContainer project;
    FakeProjectWindowHost host;
};

TEST_F(TCodeEditorTest, EmptyGlobalCodeShowsTheCommentAndAnEmptyLineWithTheCaretBelow)
{
    const auto page = open();
    ScriptEditor &editor = *page->editor();
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Code Editor"));
    EXPECT_EQ(editor.Lines(), QStringList({ "// Global code for all forms", "" }));
    int line = -1;
    int index = -1;
    editor.getCursorPosition(&line, &index);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(project.Modified);
    EXPECT_TRUE(project.CommonCode.isEmpty());
}

TEST_F(TCodeEditorTest, TypedLinesAreStoredExactlyOnEveryChange)
{
    const auto page = open();
    ScriptEditor &editor = *page->editor();
    QTest::keyClicks(&editor, QStringLiteral("var"));
    EXPECT_EQ(project.CommonCode, QStringList({ "var" }));
    EXPECT_TRUE(project.Modified);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, QStringLiteral("  Count: Integer;   "));
    EXPECT_EQ(project.CommonCode, QStringList({ "var", "  Count: Integer;" }));
}

TEST_F(TCodeEditorTest, FirstLineIsNeverStoredNorLost)
{
    project.CommonCode = { "procedure A;", "begin", "end;" };
    const auto page = open();
    ScriptEditor &editor = *page->editor();
    EXPECT_EQ(editor.Lines(), QStringList({ "// Global code for all forms", "procedure A;", "begin", "end;" }));

    editor.setCursorPosition(1, 0);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    editor.selectAll();
    QTest::keyClick(&editor, Qt::Key_Delete);
    EXPECT_EQ(editor.Lines(), QStringList({ "// Global code for all forms", "" }));
    EXPECT_EQ(project.CommonCode, QStringList({ "" }));
    QTest::keyClicks(&editor, QStringLiteral("x"));
    EXPECT_EQ(project.CommonCode, QStringList({ "x" }));
}

TEST_F(TCodeEditorTest, CompletionKnowsTheRoutinesAboveAndTheHelperFindsTheCaretWord)
{
    project.CommonCode = { "procedure Hello(Name: String);", "begin", "end;", "", "" };
    const auto page = open();
    ScriptEditor &editor = *page->editor();
    editor.setCursorPosition(5, 0);
    QTest::keyClicks(&editor, QStringLiteral("Hell"));
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    CompletionPopup &popup = *editor.completion()->popup();
    ASSERT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.shownLines(), QStringList({ "procedure Hello(Name: String);" }));
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(project.CommonCode.at(4), QStringLiteral("Hello"));

    editor.setCursorPosition(5, 2);
    QMenu *menu = editor.contextMenu();
    menu->actions().last()->trigger();
    EXPECT_EQ(page->helpPane()->shownKey(), QStringLiteral("topic_isxfunc_hello.htm"));
    EXPECT_EQ(host.sidePane(), SidePane::Helper);
}

} // namespace

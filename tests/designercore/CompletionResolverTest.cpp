#include "designer/core/CompletionResolver.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

ScriptKnowledgeBase &Knowledge()
{
    static ScriptKnowledgeBase base;
    return base;
}

QStringList PageData(const QString &pageName)
{
    Q_UNUSED(pageName);
    return { "object TPanel",
             "  Left = 0",
             "  object Button1: TButton",
             "    Caption = 'Go'",
             "  end",
             "  object Memo1: TMemo",
             "    Lines.Strings = (",
             "      'one')",
             "  end",
             "  object Edit1: TEdit",
             "  end",
             "  object Surface: TPanel",
             "  end",
             "end" };
}

// Two pages with the same three controls, and global code with a function, a
// procedure and var and const sections.
CompletionScope FixtureScope(int pageIndex)
{
    CompletionScope scope;
    scope.pageIndex = pageIndex;
    scope.pages = { { "Welcome", PageData("Welcome") }, { "Details", PageData("Details") } };
    scope.commonCode = { "var",
                         "  Counter: Integer;",
                         "const",
                         "  Limit: Integer = 10;",
                         "function Twice(Value: Integer): Integer;",
                         "begin",
                         "  Result := Value * 2;",
                         "end;",
                         "procedure Report(const Text: String; Count: Integer);",
                         "var",
                         "  s: String;",
                         "begin",
                         "  MsgBox(Text, mbInformation, MB_OK);",
                         "end;",
                         "" };
    return scope;
}

// The OnClick code of Button1 on a page, with the caret at the end of line 4.
CompletionRequest EventRequest(CompletionKind kind, const QString &caretLine, int pageIndex = 0)
{
    const QString page = FixtureScope(pageIndex).pages.at(pageIndex).name;
    CompletionRequest request;
    request.kind = kind;
    request.lines = { "procedure " + page + "_Button1OnClick(Sender: TObject);", "var s: String;", "begin", caretLine,
                      "end;" };
    request.caretLine = 3;
    request.caretColumn = int(caretLine.size());
    request.scope = FixtureScope(pageIndex);
    return request;
}

CompletionResult Members(const QString &caretLine, int pageIndex = 0)
{
    return ResolveCompletion(EventRequest(CompletionKind::MemberList, caretLine, pageIndex), Knowledge());
}

CompletionResult Hint(const QString &caretLine, int pageIndex = 0)
{
    return ResolveCompletion(EventRequest(CompletionKind::ParameterHint, caretLine, pageIndex), Knowledge());
}

ScriptMemberList ClassMembers(const char *className)
{
    return Knowledge().ClassMembers(QString::fromLatin1(className));
}

TEST(CompletionResolver, ObjectLeftOfTheCaretListsItsClassMembers)
{
    const struct
    {
        const char *line;
        int pageIndex;
        const char *className;
    } cases[] = {
        { "  WizardForm.", 0, "TWizardForm" },
        { "  wizardform.", 0, "TWizardForm" },
        { "  MainForm.", 0, "TMainForm" },
        { "  WizardForm.NextButton.", 0, "TButton" },
        { "  WizardForm.ReadyMemo.", 0, "TMemo" },
        { "  Memo1.Lines.", 0, "TStrings" },
        { "  Memo1.Font.", 0, "TFont" },
        { "  Button1.", 0, "TButton" },
        { "  Details_Button1.", 0, "TButton" },
        { "  Welcome_Memo1.", 1, "TMemo" },
        { "  Sender.", 0, "TObject" },
        { "  x := Edit1.", 0, "TEdit" },
        { "  if WizardForm.Ne", 0, "TWizardForm" },
        { "  Welcome.Memo1.", 1, "TMemo" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const CompletionResult result = Members(QString::fromLatin1(c.line), c.pageIndex);
        const ScriptMemberList expected = ClassMembers(c.className);
        ASSERT_FALSE(expected.insertTexts.isEmpty());
        EXPECT_TRUE(result.canShow);
        EXPECT_EQ(result.insertTexts, expected.insertTexts);
        EXPECT_EQ(result.displayLines, expected.declarations);
    }
}

TEST(CompletionResolver, ObjectsThatNameNothingKnownListNothing)
{
    for (const char *line : { "  Unknown.", "  s.", "  Welcome_Button1.", "  Surface.", "  Counter." }) {
        SCOPED_TRACE(line);
        const CompletionResult result = Members(QString::fromLatin1(line));
        EXPECT_FALSE(result.canShow);
        EXPECT_TRUE(result.displayLines.isEmpty());
        EXPECT_TRUE(result.insertTexts.isEmpty());
    }
}

TEST(CompletionResolver, PageNameListsItsControlsBeforeTheWizardPageMembers)
{
    const CompletionResult result = Members(QStringLiteral("  Details."));
    const ScriptMemberList page = ClassMembers("TWizardPage");
    const QStringList controls = { "Surface", "Edit1", "Memo1", "Button1" };
    EXPECT_EQ(result.insertTexts, controls + page.insertTexts);
    EXPECT_EQ(result.displayLines.mid(0, 4),
              QStringList({ "var Surface: TPanel;", "var Edit1: TEdit;", "var Memo1: TMemo;", "var Button1: TButton;" }));
}

TEST(CompletionResolver, EverythingUsableAtTheCaretInItsOrder)
{
    const CompletionResult result = Members(QStringLiteral("  s := "));
    const ScriptMemberList functions = ClassMembers("");
    const QStringList head = { "var MainForm: TMainForm",
                               "var WizardForm: TWizardForm",
                               "param Sender: TObject",
                               "var Counter: Integer",
                               "var s: String",
                               "const Limit: Integer = 10",
                               "var Welcome: TWizardPage",
                               "var Edit1: TEdit",
                               "var Memo1: TMemo",
                               "var Button1: TButton",
                               "var Details: TWizardPage",
                               "procedure Report(const Text: String; Count: Integer);",
                               "function Twice(Value: Integer): Integer;" };
    EXPECT_EQ(result.displayLines, head + functions.declarations);
    EXPECT_EQ(result.insertTexts, QStringList({ "MainForm", "WizardForm", "Sender", "Counter", "s", "Limit", "Welcome",
                                                "Edit1", "Memo1", "Button1", "Details", "Report", "Twice" })
                                      + functions.insertTexts);
}

TEST(CompletionResolver, FunctionResultCarriesItsTypeWithoutTheSemicolon)
{
    CompletionRequest request = EventRequest(CompletionKind::MemberList, QStringLiteral("  "));
    request.lines[0] = QStringLiteral("function Welcome_Check(Sender: TWizardPage) : Boolean;");
    const CompletionResult result = ResolveCompletion(request, Knowledge());
    EXPECT_TRUE(result.displayLines.contains(QStringLiteral("var Result: Boolean")));
    EXPECT_TRUE(result.displayLines.contains(QStringLiteral("param Sender: TWizardPage")));

    request.lines[3] = QStringLiteral("  Result.");
    request.caretColumn = 9;
    request.lines[0] = QStringLiteral("function Welcome_Check: TStrings;");
    EXPECT_EQ(ResolveCompletion(request, Knowledge()).insertTexts, ClassMembers("TStrings").insertTexts);
}

TEST(CompletionResolver, ParameterHintMarksTheParameterAtTheCaret)
{
    const QString msgBox = QStringLiteral("\"const Text: String\",\"const Typ: TMsgBoxType\",\"const Buttons: Integer\"");
    const struct
    {
        const char *line;
        int parameter;
        QString display;
    } cases[] = {
        { "  MsgBox(", 0, msgBox },
        { "  MsgBox('a', ", 1, msgBox },
        { "  MsgBox('a', mbError, ", 2, msgBox },
        { "  MsgBox(Twice(1), ", 1, msgBox },
        { "  MsgBox(Copy(s, 1, 2), ", 1, msgBox },
        { "  msgbox (", 0, msgBox },
        { "  Report('x', ", 1, QStringLiteral("\"const Text: String\",\"Count: Integer\"") },
        { "  Memo1.Lines.Add(", 0, QStringLiteral("\"S: String\"") },
        { "  Memo1.Lines.Insert(0, ", 1, QStringLiteral("\"Index: Integer\",\"S: String\"") },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const CompletionResult result = Hint(QString::fromLatin1(c.line));
        EXPECT_TRUE(result.canShow);
        EXPECT_EQ(result.parameterIndex, c.parameter);
        EXPECT_EQ(result.displayLines, QStringList({ c.display }));
        EXPECT_TRUE(result.insertTexts.isEmpty());
    }
}

TEST(CompletionResolver, NoParameterHintOutsideAKnownRoutine)
{
    for (const char *line : { "  Nothing(", "  s := 1", "  MsgBox('a')", "  Memo1.Lines.MsgBox(", "  (" }) {
        SCOPED_TRACE(line);
        const CompletionResult result = Hint(QString::fromLatin1(line));
        EXPECT_FALSE(result.canShow);
        EXPECT_TRUE(result.displayLines.isEmpty());
    }
}

CompletionRequest GlobalRequest(CompletionKind kind, const QStringList &lines, int caretLine)
{
    CompletionRequest request;
    request.kind = kind;
    request.lines = lines;
    request.caretLine = caretLine;
    request.caretColumn = int(lines.at(caretLine).size());
    request.scope = FixtureScope(-1);
    request.scope.commonCode.clear();
    return request;
}

TEST(CompletionResolver, GlobalCodeSeesTheRoutineAtTheCaretAndRoutinesTwoLinesAbove)
{
    const QStringList lines = { "// Global code for all forms",
                                "procedure First;",
                                "begin",
                                "end;",
                                "function Third(Value: Integer): Integer;",
                                "var",
                                "  Half: Integer;",
                                "begin",
                                "  ",
                                "end;",
                                "procedure Later(A: Integer);" };
    const CompletionResult result = ResolveCompletion(GlobalRequest(CompletionKind::MemberList, lines, 8), Knowledge());
    EXPECT_EQ(result.displayLines.mid(0, 9),
              QStringList({ "var MainForm: TMainForm", "var WizardForm: TWizardForm", "param Value: Integer",
                            "var Half: Integer", "var Result: Integer", "var Details: TWizardPage",
                            "var Welcome: TWizardPage", "function Third(Value: Integer): Integer;",
                            "procedure First;" }));
    EXPECT_EQ(result.displayLines.mid(9), ClassMembers("").declarations);
    EXPECT_FALSE(result.insertTexts.contains(QStringLiteral("Later")));

    const QStringList tight = { "// Global code for all forms", "procedure First;", "procedure Second;", "  " };
    const CompletionResult near = ResolveCompletion(GlobalRequest(CompletionKind::MemberList, tight, 3), Knowledge());
    EXPECT_TRUE(near.insertTexts.contains(QStringLiteral("First")));
    EXPECT_FALSE(near.insertTexts.contains(QStringLiteral("Second")));
}

TEST(CompletionResolver, GlobalCodeReachesPageControlsThroughTheirVariables)
{
    const QStringList lines = { "// Global code for all forms", "procedure Show;", "begin", "  Welcome_Edit1.", "end;" };
    const CompletionResult result = ResolveCompletion(GlobalRequest(CompletionKind::MemberList, lines, 3), Knowledge());
    EXPECT_EQ(result.insertTexts, ClassMembers("TEdit").insertTexts);
    EXPECT_FALSE(ResolveCompletion(GlobalRequest(CompletionKind::MemberList,
                                                 { "// Global code for all forms", "  Edit1." }, 1),
                                   Knowledge())
                     .canShow);
}

TEST(CompletionResolver, GlobalRoutinesGetParameterHints)
{
    const QStringList lines = { "// Global code for all forms", "procedure Tell(Text: String; var Done: Boolean);",
                                "begin", "end;", "procedure Use;", "begin", "  Tell('x', " };
    const CompletionResult result = ResolveCompletion(GlobalRequest(CompletionKind::ParameterHint, lines, 6), Knowledge());
    EXPECT_TRUE(result.canShow);
    EXPECT_EQ(result.parameterIndex, 1);
    EXPECT_EQ(result.displayLines, QStringList({ "\"Text: String\",\"var Done: Boolean\"" }));
}

TEST(CompletionResolver, SharedCompletionListsStayAsTheyWere)
{
    Knowledge().CompletionInsertList() = QStringList({ "mark" });
    Knowledge().CompletionDisplayList() = QStringList({ "procedure mark(a: Integer);" });
    Knowledge().DeclarationIndex().clear();
    Members(QStringLiteral("  WizardForm."));
    Members(QStringLiteral("  "));
    Hint(QStringLiteral("  MsgBox("));
    EXPECT_EQ(Knowledge().CompletionInsertList(), QStringList({ "mark" }));
    EXPECT_EQ(Knowledge().CompletionDisplayList(), QStringList({ "procedure mark(a: Integer);" }));
    EXPECT_TRUE(Knowledge().DeclarationIndex().isEmpty());
}

TEST(CompletionResolver, ArbitraryTextAndCaretsAlwaysReturn)
{
    const QList<QStringList> texts = {
        {},
        { "" },
        { "x" },
        { "procedure", "var", "const", "begin" },
        { "function F(: ;", "var var var", "const x: = ;", "begin begin", "case" },
        { "procedure P(a: Integer", "var", "  x: Integer;" },
        { "  MsgBox((((,,,", ")))).)(.'", "'unclosed (" },
        { "begin", "begin", "begin" },
    };
    for (const QStringList &text : texts) {
        for (int pageIndex : { -1, 0, 5 }) {
            for (int line : { -3, 0, 1, 2, 40 }) {
                for (int column : { -1, 0, 3, 1000 }) {
                    for (CompletionKind kind : { CompletionKind::MemberList, CompletionKind::ParameterHint }) {
                        CompletionRequest request;
                        request.kind = kind;
                        request.lines = text;
                        request.caretLine = line;
                        request.caretColumn = column;
                        request.scope = FixtureScope(pageIndex);
                        request.scope.commonCode = text;
                        const CompletionResult result = ResolveCompletion(request, Knowledge());
                        EXPECT_EQ(result.canShow, !result.displayLines.isEmpty());
                    }
                }
            }
        }
    }
}

} // namespace

#include "engine/scriptcode/CustomPageCode.h"
#include "engine/scriptcode/EventCodeRewriter.h"
#include "helpers/core/ComponentText.h"
#include "model/EventUnitHandOver.h"
#include "model/ProjectContainer.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include "tests/support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList fixtureLines(const char *name)
{
    QFile file(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/pagecode/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture");
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

const ScriptKnowledgeBase &knowledge()
{
    static const ScriptKnowledgeBase base;
    return base;
}

QStringList generate(TProjectContainer &project)
{
    QStringList script;
    CustomPageCode::FromKnowledgeBase(knowledge()).WriteCustomFormsCode(project, script);
    return script;
}

// The script of a project with one page "P" holding the given component text
// and no event units.
QStringList generatePageP(const QStringList &data)
{
    TProjectContainer project;
    TCustomForm &page = project.CustomForms.AddNew(true);
    page.Name = "P";
    page.Data = data;
    return generate(project);
}

TFormCodeExecutionUnit &addControlEvent(TCustomForm &page, const QString &object, const QString &event,
                                        QStringList code)
{
    TFormCodeExecutionUnit &unit = page.ExecUnits.AddNew();
    unit.Object = object;
    unit.Event = event;
    unit.ShortHelp = QStringLiteral("procedure {}") + event + QStringLiteral("(Sender: TObject);");
    unit.eventNameInCode = TFormCodeExecutionUnit::MakeEventNameInCode(page.Name, object, event);
    unit.Code = std::move(code);
    unit.defCode = QStringList{ "begin", "// Your Code Here ...", "end;" };
    unit.Enabled = true;
    return unit;
}

QStringList twoButtonPage()
{
    return { "object TPanel",
             "  object Button1: TButton",
             "    Caption = 'One'",
             "  end",
             "  object Button2: TButton",
             "    Caption = 'Two'",
             "  end",
             "end" };
}

// The lines of the page's creating function from its head to its Result line.
QStringList createPageBody(const QStringList &script, const QString &page)
{
    const qsizetype head = script.indexOf(QStringLiteral("function ") + page
                                          + QStringLiteral("_CreatePage(PreviousPageId: Integer): Integer;"));
    const qsizetype result = script.indexOf(QStringLiteral("  Result := ") + page + QStringLiteral(".ID;"));
    if (head < 0 || result < head)
        return {};
    return script.mid(head, result - head + 1);
}

} // namespace

TEST(CustomPageCode, ThePageFixtureIsTextTheComponentWriterProduces)
{
    const QStringList data = fixtureLines("InfoPage.dfm.txt");
    EXPECT_EQ(ComponentText::toLines(ComponentText::parse(data)).join(u'\n').toStdString(),
              data.join(u'\n').toStdString());
}

TEST(CustomPageCode, GoldenPageWithNestedPanelListAndLongTexts)
{
    TProjectContainer project;
    TCustomForm &page = project.CustomForms.AddNew(false);
    page.Name = "Info";
    page.Caption = "Info's page";
    page.Description = "Tell us about 'you'";
    page.Data = fixtureLines("InfoPage.dfm.txt");
    TFormCodeExecutionUnit &activate = page.ExecUnits[0];
    activate.Enabled = true;
    activate.eventNameInCode = "Info_FormOnActivate";
    activate.Code = QStringList{ "begin", "  Label1.Caption := Caption;", "end;", "", "" };
    addControlEvent(page, "ListBox1", "OnClick",
                    { "begin", "  Info.Label2.Caption := ListBox1.Items[ListBox1.ItemIndex];", "end;" });

    EXPECT_EQ(generate(project), fixtureLines("InfoPage.expected.iss"));
}

TEST(CustomPageCode, NothingWithoutPagesOrGlobalCode)
{
    TProjectContainer project;
    project.CommonCode = QStringList{ "", "" };
    EXPECT_EQ(generate(project), QStringList());
}

TEST(CustomPageCode, OnlyGlobalCodeWritesOneBlockWithoutTrailingEmptyLines)
{
    TProjectContainer project;
    project.CommonCode = QStringList{ "procedure Greet;", "begin", "  MsgBox('Hi', mbInformation, MB_OK);", "end;",
                                      "", "" };
    EXPECT_EQ(generate(project), QStringList({ "[Code]", "procedure Greet;", "begin",
                                               "  MsgBox('Hi', mbInformation, MB_OK);", "end;", "" }));
}

TEST(CustomPageCode, GlobalCodeNamesControlsThroughTheirVariables)
{
    TProjectContainer project;
    TCustomForm &page = project.CustomForms.AddNew(true);
    page.Name = "Setup2";
    page.Data = twoButtonPage();
    project.CommonCode = QStringList{ "procedure Reset;", "begin", "  Setup2.Button1.Caption := Caption;", "end;" };

    const QStringList script = generate(project);
    const QStringList expectedHead = { "[Code]", "var", "  Setup2: TWizardPage;", "  Setup2_Button1: TButton;",
                                       "  Setup2_Button2: TButton;", "", "[Code]", "procedure Reset;", "begin",
                                       "  Setup2_Button1.Caption := Caption;", "end;", "" };
    EXPECT_EQ(script.mid(0, expectedHead.size()), expectedHead);
}

TEST(CustomPageCode, APageWithNothingOnItStillGetsItsVariableAndCreatingFunction)
{
    const QStringList creatingFunction = { "function Empty_CreatePage(PreviousPageId: Integer): Integer;",
                                           "begin",
                                           "  Empty := CreateCustomPage(",
                                           "    PreviousPageId,",
                                           "    'CustomForm Caption',",
                                           "    'CustomForm Description'",
                                           "  );",
                                           "",
                                           "" };
    {
        TProjectContainer project;
        TCustomForm &page = project.CustomForms.AddNew(true);
        page.Name = "Empty";
        QStringList expected = { "[Code]", "var", "  Empty: TWizardPage;", "", "" };
        expected << creatingFunction << "  Result := Empty.ID;" << "end;" << "";
        EXPECT_EQ(generate(project), expected) << "no units: no empty line after the missing hooks";
    }
    {
        TProjectContainer project;
        TCustomForm &page = project.CustomForms.AddNew(false);
        page.Name = "Empty";
        QStringList expected = { "[Code]", "var", "  Empty: TWizardPage;", "", "" };
        expected << creatingFunction << "" << "  Result := Empty.ID;" << "end;" << "";
        EXPECT_EQ(generate(project), expected) << "disabled units write nothing, but the page has units";
    }
}

TEST(CustomPageCode, DisabledUnitsAreLeftOutAndLinkedUnitsHookTheSharedProcedure)
{
    TProjectContainer project;
    TCustomForm &page = project.CustomForms.AddNew(false);
    page.Name = "Pg";
    page.Data = twoButtonPage();
    page.ExecUnits[1].Code = QStringList{ "begin", "  Result := True;", "end;" };  // OnShouldSkipPage, disabled
    page.ExecUnits[3].Enabled = true;                                             // OnNextButtonClick, default code
    page.ExecUnits[3].Code = page.ExecUnits[3].defCode;
    addControlEvent(page, "Button1", "OnClick", { "begin", "  Button2.Enabled := False;", "end;" });
    TFormCodeExecutionUnit &linked = addControlEvent(page, "Button2", "OnClick", { "begin", "  Unused;", "end;" });
    linked.linkTo = 5;
    linked.eventNameInCode = "Pg_Button1OnClick";

    const QStringList script = generate(project);
    const QStringList procedures = script.mid(6, 10);
    EXPECT_EQ(procedures, QStringList({ "", "procedure Pg_Button1OnClick(Sender: TObject);", " begin",
                                        "  Pg_Button2.Enabled := False;", " end;", "",
                                        "function CustomForm_FormOnNextButtonClick(Page: TWizardPage): Boolean;", " begin",
                                        "  Result := True;", " end;" }));
    EXPECT_FALSE(script.contains("  Unused;"));
    EXPECT_FALSE(script.join(u'\n').contains("OnShouldSkipPage"));
    const QStringList hooks = { "  Pg.OnNextButtonClick:=@CustomForm_FormOnNextButtonClick;",
                                "  Pg_Button1.OnClick:=@Pg_Button1OnClick;",
                                "  Pg_Button2.OnClick:=@Pg_Button1OnClick;", "", "  Result := Pg.ID;" };
    const QStringList body = createPageBody(script, "Pg");
    EXPECT_EQ(body.mid(body.size() - hooks.size()), hooks);
}

TEST(CustomPageCode, AfterAControlIsRemovedEveryHookNamesAWrittenProcedure)
{
    TProjectContainer project;
    TCustomForm &page = project.CustomForms.AddNew(true);
    page.Name = "Pg";
    addControlEvent(page, "Button1", "OnClick", { "begin", "  Beep;", "end;" });
    addControlEvent(page, "Button2", "OnClick", {}).linkTo = 0;
    page.ExecUnits[1].eventNameInCode = "Pg_Button1OnClick";
    page.Data = { "object TPanel", "  object Button2: TButton", "  end", "end" };

    RemoveUnitsOfMissingObjects(page, { "Button2" });
    const QStringList script = generate(project);

    EXPECT_TRUE(script.contains("procedure Pg_Button1OnClick(Sender: TObject);"));
    EXPECT_TRUE(script.contains("  Pg_Button2.OnClick:=@Pg_Button1OnClick;"));
    EXPECT_TRUE(script.contains("  Beep;"));
}

TEST(CustomPageCode, NestedControlsTakeTheirPanelAsParentAndTheSurfaceAgainAfterIt)
{
    const QStringList script = generatePageP({ "object TPanel",
                  "  object Outer: TPanel",
                  "    object Inner: TPanel",
                  "      object Deep: TLabel",
                  "        Caption = 'end'",
                  "      end",
                  "    end",
                  "    object Second: TEdit",
                  "      Text = 'object X: Y'",
                  "    end",
                  "  end",
                  "  object Top: TButton",
                  "  end",
                  "end" });

    QStringList parents;
    for (const QString &line : script) {
        if (line.contains(QLatin1String(".Parent:=")))
            parents << line;
    }
    EXPECT_EQ(parents, QStringList({ "  P_Outer.Parent:=P.Surface;", "  P_Inner.Parent:=P_Outer;",
                                     "  P_Deep.Parent:=P_Inner;", "  P_Second.Parent:=P_Outer;",
                                     "  P_Top.Parent:=P.Surface;" }));
}

TEST(CustomPageCode, PropertiesThatTheScriptCannotHoldAreLeftOut)
{
    const QStringList script = generatePageP({ "object TPanel",
                  "  object Image1: TBitmapImage",
                  "    Left = 4",
                  "    Bitmap.Data = {",
                  "      0A0B0C0D0E0F000102030405060708090A0B0C0D0E0F00010203040506070809",
                  "      0A0B}",
                  "    Cursor = crHandPoint",
                  "  end",
                  "  object Memo1: TMemo",
                  "    Lines.Strings = (",
                  "      'one'",
                  "      'two')",
                  "    MinItemHeight = 9",
                  "    BevelWidth = 2",
                  "  end",
                  "end" });

    const QStringList body = createPageBody(script, "P");
    const QStringList controls = body.mid(8, body.size() - 8 - 2);
    EXPECT_EQ(controls, QStringList({ "  P_Image1:=TBitmapImage.Create(P);", "  P_Image1.Parent:=P.Surface;",
                                      "  P_Image1.Left:=ScaleX(4);", "  P_Image1.Cursor:=crHandPoint;", "",
                                      "  P_Memo1:=TMemo.Create(P);", "  P_Memo1.Parent:=P.Surface;",
                                      "  P_Memo1.Lines.Add('one');", "  P_Memo1.Lines.Add('two');", "" }));
}

TEST(CustomPageCode, ScalingFollowsThePropertyPath)
{
    const QStringList script = generatePageP({ "object TPanel", "  object Box: TPanel", "    BevelWidth = 2", "    TabStop = True",
                  "    Font.Height = -11", "    TabOrder = 3", "  end", "  object List: TNewCheckListBox",
                  "    MinItemHeight = 16", "  end", "end" });

    for (const char *line : { "  P_Box.BevelWidth:=ScaleX(2);", "  P_Box.TabStop:=True;",
                              "  P_Box.Font.Height:=ScaleY(-11);", "  P_Box.TabOrder:=3;",
                              "  P_List.MinItemHeight:=ScaleY(16);" })
        EXPECT_TRUE(script.contains(QString::fromLatin1(line))) << line;
}

TEST(EventCodeRewriter, RewritesControlAndPageMemberNames)
{
    const EventCodeRewriter rewriter({ { "Welcome2", { "Edit1", "Label1" } }, { "Other", { "Button1" } } },
                                     knowledge().ClassMembers("TWizardPage").insertTexts);
    struct Case { const char *line; const char *expected; };
    const Case cases[] = {
        { "  Edit1.Text := Caption;", "  Welcome2_Edit1.Text := Welcome2.Caption;" },
        { "  Welcome2.Edit1.Text := '';", "  Welcome2_Edit1.Text := '';" },
        { "Welcome2.Edit1.Text := '';", " Welcome2_Edit1.Text := '';" },
        { "begin", " begin" },
        { "", "" },
        { "  Label1.Caption := 'x';", "  Welcome2_Label1.Caption := 'x';" },
        { "  Surface.Color := clRed;", "  Welcome2.Surface.Color := clRed;" },
        { "  x := Edit1.Caption+Description;", "  x := Welcome2_Edit1.Caption+Description;" },
        { "  My_Edit1 := 1;", "  My_Edit1 := 1;" },
        { "  List.Edit1 := 1;", "  List.Welcome2_Edit1 := 1;" },
        { "  MsgBox('Edit1 and Caption', mbInformation, MB_OK);",
          "  MsgBox('Edit1 and Caption', mbInformation, MB_OK);" },
        { "  s := 'don''t' + Edit1.Text;", "  s := 'don''t' + Welcome2_Edit1.Text;" },
        { "  Other.Button1.Enabled := False;", "  Other_Button1.Enabled := False;" },
        { "  Button1.Enabled := False;", "  Button1.Enabled := False;" },
        { "  EDIT1.Text := CAPTION;", "  Welcome2_Edit1.Text := Welcome2.Caption;" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(rewriter.RewriteEventLine(0, QString::fromLatin1(c.line)), QString::fromLatin1(c.expected)) << c.line;

    EXPECT_EQ(rewriter.RewriteGlobalLine("  Edit1.Text := Caption + Other.Button1.Caption;"),
              "  Edit1.Text := Caption + Other_Button1.Caption;");
}

// The compiler counts columns in the rewritten line; the user reads them in the line typed.
TEST(EventCodeRewriter, TellsEachColumnInTheUsersLine)
{
    const EventCodeRewriter rewriter({ { "Welcome2", { "Edit1", "Label1" } }, { "Other", { "Button1" } } },
                                     knowledge().ClassMembers("TWizardPage").insertTexts);
    struct Case
    {
        const char *line;
        const char *userMarker;      // where the user sees the fault
        const char *generatedMarker; // where the compiler finds it
    };
    const Case cases[] = {
        { "  Edit1.Text := 5;", "5;", "5;" },
        { "  Edit1.Text := 5;", "Edit1", "Welcome2_Edit1" },
        { "  Edit1.Text := 5;", ".Text", ".Text" },
        { "x := Caption + Edit1.Text;", "Caption", "Welcome2.Caption" },
        { "x := Caption + Edit1.Text;", "x :=", "x :=" },
        { "x := Caption + Edit1.Text;", "Text", "Text" },
        { "  Welcome2.Edit1.Text := Label1.Caption + 5;", "5;", "5;" },
        { "  Welcome2.Edit1.Text := Label1.Caption + 5;", "Edit1", "Edit1" },
        { "  Other.Button1.Enabled := Edit1;", "Edit1;", "Welcome2_Edit1;" },
        { "  Other.Button1.Enabled := Edit1;", ";", ";" },
    };
    for (const Case &c : cases) {
        const QString line = QString::fromLatin1(c.line);
        const RewrittenLine rewritten = rewriter.RewriteEventLineTracked(0, line);
        EXPECT_EQ(rewritten.text(), rewriter.RewriteEventLine(0, line));
        const int generatedColumn = int(rewritten.text().indexOf(QLatin1String(c.generatedMarker))) + 1;
        ASSERT_GT(generatedColumn, 0) << c.line << " / " << c.generatedMarker;
        EXPECT_EQ(rewritten.userColumn(generatedColumn), int(line.indexOf(QLatin1String(c.userMarker))) + 1)
            << c.line << " / " << c.userMarker;
        // Past the end, the distance past the end stays.
        EXPECT_EQ(rewritten.userColumn(int(rewritten.text().size()) + 2), int(line.size()) + 2) << c.line;
    }

    const RewrittenLine global = rewriter.RewriteGlobalLineTracked("  Other.Button1.Caption := 5;");
    EXPECT_EQ(global.text(), "  Other_Button1.Caption := 5;");
    EXPECT_EQ(global.userColumn(28), 28);
    // A line written by the program itself keeps its columns.
    EXPECT_EQ(RewrittenLine().userColumn(14), 14);
}

TEST(EventCodeRewriter, APageNamedLikeItsControlIsRewrittenInOnePass)
{
    const EventCodeRewriter rewriter({ { "Info", { "Info" } } }, { "Caption" });
    EXPECT_EQ(rewriter.RewriteEventLine(0, "  Info.Info.Caption := Caption;"),
              "  Info_Info.Caption := Info_Info.Caption;");
    EXPECT_EQ(rewriter.RewriteEventLine(0, "  Info := Info;"), "  Info_Info := Info_Info;");
}

TEST(EventCodeRewriter, EachOccurrenceIsReplacedOnce)
{
    struct Case { const char *line, *from, *to, *expected; };
    const Case cases[] = {
        { "a a", "a", "aa", "aa aa" },
        { "x", "x", "x_x", "x_x" },
        { "x.x", "x", "p_x", "p_x.p_x" },
        { "'x' x", "x", "y", "'x' y" },
        { "'it''s x' x", "x", "y", "'it''s x' y" },
        { " a a", " a", " p.a", " p.a a" },
        { " a  a", " a", " p.a", " p.a  p.a" },
        { "( a", " a", " p.a", "( p.a" },
        { "b a", " a", " p.a", "b a" },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(RewriteIdentifier(QString::fromLatin1(c.line), QString::fromLatin1(c.from),
                                    QString::fromLatin1(c.to)),
                  QString::fromLatin1(c.expected))
            << c.line;
    }
}

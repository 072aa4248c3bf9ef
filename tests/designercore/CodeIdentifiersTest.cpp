#include "designer/core/CodeIdentifiers.h"
#include "designer/core/PredefinedScriptNames.h"
#include "tests/support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct NameCase
{
    const char *name;
    const char *refusal; // empty when the name is fine
};

TFormCodeExecutionUnit &addEntry(TCustomForm &page, const QString &object, const QString &event, const QString &tail,
                                 bool enabled)
{
    TFormCodeExecutionUnit &unit = page.ExecUnits.AddNew();
    unit.Object = object;
    unit.Event = event;
    unit.ShortHelp = QStringLiteral("procedure {}") + event + tail;
    unit.eventNameInCode = page.Name + u'_' + object + event;
    unit.Enabled = enabled;
    return unit;
}

// Two pages and global code, each declaring what the setup's code will.
class CodeIdentifiersTest : public ::testing::Test
{
protected:
    CodeIdentifiersTest()
    {
        TCustomForm &details = pages.AddNew(true);
        details.Name = QStringLiteral("Details");
        details.Data = QStringList{ "object TPanel", "  object Button1: TButton", "  end", "  object Edit1: TEdit",
                                    "  end", "end" };
        addEntry(details, "Button1", "OnClick", "(Sender: TObject);", true);
        addEntry(details, "Edit1", "OnClick", "(Sender: TObject);", false);
        addEntry(details, "Edit1", "OnKeyPress", "(Sender: TObject; var Key: Char);", false);
        TCustomForm &extras = pages.AddNew(true);
        extras.Name = QStringLiteral("Extras");
        extras.Data = QStringList{ "object TPanel", "  object Label1: TLabel", "  end", "end" };
        addEntry(extras, "Label1", "OnClick", "(Sender: TObject);", true);
    }

    void expectRefusals(const std::function<QString(const QString &)> &refusal, std::initializer_list<NameCase> cases)
    {
        for (const NameCase &nameCase : cases)
            EXPECT_EQ(refusal(QString::fromLatin1(nameCase.name)), QString::fromLatin1(nameCase.refusal))
                << nameCase.name;
    }

    CodeIdentifiers identifiers() const { return CodeIdentifiers(pages, globalCode); }

    TCustomForms pages;
    QStringList globalCode{ "var", "  Counter: Integer;", "  Info_Label1: String;", "const", "  Limit: Integer = 3;",
                            "function Shared(): Integer;", "var", "  Local: Integer;", "begin",
                            "  Result := Counter;", "end;" };
};

} // namespace

TEST_F(CodeIdentifiersTest, ProcedureNames)
{
    const CodeIdentifiers names = identifiers();
    // The entry of Edit1's OnClick names its procedure.
    expectRefusals([&names](const QString &name) { return names.ProcedureNameRefusal(0, 1, name); },
                   {
                       { "My Handler", "\"My Handler\" is not a valid procedure name" },
                       { "2nd", "\"2nd\" is not a valid procedure name" },
                       { "Set", "\"Set\" is not a valid procedure name" },
                       { "Shared", "Shared is already used in the setup's code by the global code" },
                       { "COUNTER", "COUNTER is already used in the setup's code by the global code" },
                       { "Limit", "Limit is already used in the setup's code by the global code" },
                       { "Local", "" },
                       { "Details", "Details is already used in the setup's code by page Details" },
                       { "Extras_CreatePage", "Extras_CreatePage is already used in the setup's code by page Extras" },
                       { "Details_Button1",
                         "Details_Button1 is already used in the setup's code by control Button1 of page Details" },
                       { "Extras_Label1OnClick", "Extras_Label1OnClick is already used in the setup's code by the "
                                                 "procedure of Label1.OnClick on page Extras" },
                       // The same page's procedure under its exact name is a link.
                       { "Details_Button1OnClick", "" },
                       { "details_button1onclick", "details_button1onclick is already used in the setup's code by "
                                                   "the procedure of Button1.OnClick on page Details" },
                       { "Details_Edit1OnKeyPress", "" },
                       { "Sender", "Sender is already used in the setup's code by a parameter of the OnClick procedure" },
                       { "Edit1Clicked", "" },
                   });
    EXPECT_EQ(names.ProcedureNameRefusal(0, 2, "Key"),
              "Key is already used in the setup's code by a parameter of the OnKeyPress procedure");
    // Its own procedure, renamed in another case, is still its own.
    EXPECT_EQ(names.ProcedureNameRefusal(0, 0, "DETAILS_BUTTON1ONCLICK"), "");
}

// Every table the script's names come from, and the generated code's own.
TEST_F(CodeIdentifiersTest, TheScriptsOwnNames)
{
    const CodeIdentifiers names = identifiers();
    for (const char *name : { "MsgBox", "LoadDLL", "TButton", "TNewEdit", "WizardForm", "wpWelcome", "InitializeWizard",
                              "msgButtonNext", "taCenter", "Integer", "Result", "True", "CheckAsync", "URLLabel",
                              "ITD_Init", "CopyToSD", "SetNTFSCompression", "ExecAsOriginalUser", "GetSHA1OfFile",
                              "PageIndexFromID", "SaveStringsToUTF8File" }) {
        EXPECT_TRUE(PredefinedScriptNames::IsPredefined(QString::fromLatin1(name))) << name;
        EXPECT_EQ(names.ProcedureNameRefusal(0, 1, QString::fromLatin1(name)),
                  QString::fromLatin1(name) + " is already used in the setup's code by the script itself");
    }
    for (const char *word : { "begin", "In", "EXIT", "ord", "Set" })
        EXPECT_TRUE(PredefinedScriptNames::IsReservedWord(QString::fromLatin1(word))) << word;
    EXPECT_FALSE(PredefinedScriptNames::IsReservedWord("Init"));
    EXPECT_FALSE(PredefinedScriptNames::IsPredefined("Details_Button1OnClick"));
    EXPECT_FALSE(PredefinedScriptNames::IsPredefined("Support routines that the 5.4 compiler registers"))
        << "the compiler table's notes name nothing";
}

// Every routine the installer's compiler declares for [Code], whether or not
// its help documents it, is taken already.
TEST_F(CodeIdentifiersTest, EveryRoutineTheCompilerDeclaresIsRefusedAsAPageOrProcedureName)
{
    QFile table(QStringLiteral(TALMO_FACTS_DIR "/script-functions-compiler.tsv"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const CodeIdentifiers names = identifiers();
    int routines = 0;
    for (const QByteArray &line : table.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QString name = QString::fromLatin1(line.left(line.indexOf('\t')));
        const QString refusal = name + " is already used in the setup's code by the script itself";
        EXPECT_EQ(names.PageNameRefusal(1, name), refusal);
        EXPECT_EQ(names.ProcedureNameRefusal(0, 1, name), refusal);
        ++routines;
    }
    EXPECT_EQ(routines, 16);
}

TEST_F(CodeIdentifiersTest, ControlNames)
{
    const CodeIdentifiers names = identifiers();
    // Button1 of page Details is renamed.
    expectRefusals([&names](const QString &name) { return names.ControlNameRefusal(0, "Button1", name); },
                   {
                       { "Button1OnClick", "Details_Button1OnClick is already used in the setup's code by the "
                                           "procedure of Button1.OnClick on page Details" },
                       { "CreatePage", "Details_CreatePage is already used in the setup's code by page Details" },
                       { "Edit1", "Details_Edit1 is already used in the setup's code by control Edit1 of page Details" },
                       { "button1", "" },
                       { "OkButton", "" },
                   });
    EXPECT_EQ(names.ControlNameRefusal(1, "Label1", "Label2"), "");
    // A control being added or pasted on page Details has no name of its own yet.
    expectRefusals([&names](const QString &name) { return names.ControlNameRefusal(0, "", name); },
                   {
                       { "CreatePage", "Details_CreatePage is already used in the setup's code by page Details" },
                       { "Button1OnClick", "Details_Button1OnClick is already used in the setup's code by the "
                                           "procedure of Button1.OnClick on page Details" },
                       { "Button1", "Details_Button1 is already used in the setup's code by control Button1 of "
                                    "page Details" },
                       { "Button2", "" },
                   });
}

TEST_F(CodeIdentifiersTest, PageNames)
{
    const CodeIdentifiers names = identifiers();
    // Page Extras, with its Label1, is renamed.
    expectRefusals([&names](const QString &name) { return names.PageNameRefusal(1, name); },
                   {
                       { "My Page", "\"My Page\" is not a valid page name" },
                       { "2nd", "\"2nd\" is not a valid page name" },
                       { "begin", "\"begin\" is not a valid page name" },
                       { "details", "A page named Details already exists" },
                       { "Result", "Result is already used in the setup's code by the script itself" },
                       { "PreviousPageId", "PreviousPageId is already used in the setup's code by the parameter of "
                                           "every page's creating function" },
                       { "Shared", "Shared is already used in the setup's code by the global code" },
                       { "Details_Button1",
                         "Details_Button1 is already used in the setup's code by control Button1 of page Details" },
                       // The page's control would be Info_Label1.
                       { "Info", "Info_Label1 is already used in the setup's code by the global code" },
                       { "extras", "" },
                       { "_Page2", "" },
                   });
    // A procedure of the page itself named like the new page.
    EXPECT_EQ(names.PageNameRefusal(1, "Extras_Label1OnClick"),
              "Extras_Label1OnClick is already used in the setup's code by the procedure of Label1.OnClick on page "
              "Extras");
}

#include "scriptknowledge/ScriptKnowledgeBase.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

const QStringList wizardPageInserts {
    "ID", "Caption", "Description", "Surface", "SurfaceHeight", "SurfaceWidth", "OnActivate", "OnBackButtonClick",
    "OnCancelButtonClick", "OnNextButtonClick", "OnShouldSkipPage",
    "FindComponent", "Create", "Owner", "DestroyComponents", "Destroying", "FreeNotification", "InsertComponent",
    "RemoveComponent", "Components[]", "ComponentCount", "ComponentIndex", "ComponentState", "DesignInfo", "Name", "Tag",
    "Assign",
    "Create", "Free",
};

const QStringList wizardPageDeclarations {
    "property ID: Integer; read;",
    "property Caption: String; read write;",
    "property Description: String; read write;",
    "property Surface: TNewNotebookPage; read write;",
    "property SurfaceHeight: Integer; read write;",
    "property SurfaceWidth: Integer; read write;",
    "property OnActivate: TWizardPageNotifyEvent; read write;",
    "property OnBackButtonClick: TWizardPageButtonEvent; read write;",
    "property OnCancelButtonClick: TWizardPageCancelEvent; read write;",
    "property OnNextButtonClick: TWizardPageButtonEvent; read write;",
    "property OnShouldSkipPage: TWizardPageShouldSkipEvent; read write;",
    "function FindComponent(AName: String): TComponent;",
    "constructor Create(AOwner: TComponent);",
    "property Owner: TComponent; read write;",
    "procedure DestroyComponents;",
    "procedure Destroying;",
    "procedure FreeNotification(AComponent: TComponent);",
    "procedure InsertComponent(AComponent: TComponent);",
    "procedure RemoveComponent(AComponent: TComponent);",
    "property Components[Index: Integer]: TComponent; read;",
    "property ComponentCount: Integer; read;",
    "property ComponentIndex: Integer; read write;",
    "property ComponentState: Byte; read;",
    "property DesignInfo: Longint; read write;",
    "property Name: String; read write;",
    "property Tag: Longint; read write;",
    "procedure Assign(Source: TPersistent);",
    "constructor Create;",
    "procedure Free;",
};

ScriptMemberList chainOf(const ScriptKnowledgeBase &kb, const QStringList &classes)
{
    ScriptMemberList all;
    for (const QString &cls : classes) {
        const ScriptClass &c = kb.ScriptClasses().at(kb.ScriptClasses().indexOf(cls));
        for (const ScriptClassMember &m : c.members) {
            all.insertTexts.append(m.insertText);
            all.declarations.append(m.declaration);
        }
    }
    return all;
}

} // namespace

TEST(LoadFunctionList, FillsTheFunctionListAndAppendsItToCompletion)
{
    ScriptKnowledgeBase kb;
    kb.LoadFunctionList();
    ASSERT_EQ(kb.CompletionInsertList().size(), 427);
    ASSERT_EQ(kb.CompletionDisplayList().size(), 427);
    struct Pair { int line; const char *insert; const char *display; };
    const Pair pairs[] = {
        { 0, "GetCmdTail", "function GetCmdTail: String;" },
        { 26, "RaiseException", "procedure RaiseException(const Msg: String);" },
        { 29, "IsAdminLoggedOn", "function IsAdminLoggedOn: Boolean;" },
        { 209, "BringToFrontAndRestore", "procedure BringToFrontAndRestore;" },
        { 210, "ssInstall", "const ssInstall" },
        { 426, "coCheckWithChildren", "const coCheckWithChildren" },
    };
    for (const Pair &p : pairs) {
        EXPECT_EQ(kb.CompletionInsertList().at(p.line), QLatin1String(p.insert));
        EXPECT_EQ(kb.CompletionDisplayList().at(p.line), QLatin1String(p.display));
    }
    EXPECT_EQ(kb.ScriptFunctionNames(), kb.CompletionInsertList());
    EXPECT_EQ(kb.ScriptFunctionDecls(), kb.CompletionDisplayList());
    EXPECT_EQ(kb.CompletionInsertList().count(QStringLiteral("bsNone")), 2);
    EXPECT_EQ(kb.CompletionDisplayList().filter(QRegularExpression("^function ")).size(), 182);
    EXPECT_EQ(kb.CompletionDisplayList().filter(QRegularExpression("^procedure ")).size(), 28);

    kb.LoadFunctionList();
    EXPECT_EQ(kb.CompletionInsertList().size(), 854);
    EXPECT_EQ(kb.CompletionDisplayList().size(), 854);
    EXPECT_EQ(kb.CompletionInsertList().at(427 + 26), QStringLiteral("RaiseException"));
    EXPECT_EQ(kb.ScriptFunctionNames().size(), 427);
    EXPECT_EQ(kb.ScriptFunctionDecls().size(), 427);
}

TEST(LoadClassMembers, LoadsTheWizardPageChainExactly)
{
    ScriptKnowledgeBase kb;
    kb.LoadClassMembers({ QStringLiteral("TWizardPage") });
    EXPECT_EQ(kb.CompletionInsertList(), wizardPageInserts);
    EXPECT_EQ(kb.CompletionDisplayList(), wizardPageDeclarations);
    const QList<DeclarationIndexEntry> index {
        { "FINDCOMPONENT", 11 }, { "CREATE", 12 }, { "FREENOTIFICATION", 16 }, { "INSERTCOMPONENT", 17 },
        { "REMOVECOMPONENT", 18 }, { "ASSIGN", 26 },
    };
    EXPECT_EQ(kb.DeclarationIndex().entries(), index);
}

TEST(LoadClassMembers, FollowsEveryChainUpToTObject)
{
    ScriptKnowledgeBase kb;
    const QStringList memoChain { "TMemo", "TCustomMemo", "TCustomEdit", "TWinControl", "TControl", "TComponent",
                                  "TPersistent", "TObject" };
    kb.LoadClassMembers({ QStringLiteral("tmemo") });
    const ScriptMemberList memo = chainOf(kb, memoChain);
    EXPECT_EQ(kb.CompletionInsertList(), memo.insertTexts);
    EXPECT_EQ(kb.CompletionDisplayList(), memo.declarations);
    EXPECT_EQ(kb.CompletionInsertList().count(QStringLiteral("Lines")), 2);

    kb.LoadClassMembers({ QStringLiteral("TGraphicControl") });
    EXPECT_EQ(kb.CompletionDisplayList(), chainOf(kb, { "TControl", "TComponent", "TPersistent", "TObject" }).declarations);
}

TEST(LoadClassMembers, ReplacesContentAndHandlesUnknownAndEmptyNames)
{
    ScriptKnowledgeBase kb;
    kb.CompletionInsertList().append(QStringLiteral("stale"));
    kb.CompletionDisplayList().append(QStringLiteral("procedure Stale(x);"));

    kb.LoadClassMembers({ QStringLiteral("TNotebook") });
    EXPECT_TRUE(kb.CompletionInsertList().isEmpty());
    EXPECT_TRUE(kb.CompletionDisplayList().isEmpty());
    EXPECT_TRUE(kb.DeclarationIndex().isEmpty());

    kb.LoadClassMembers({ QString() });
    EXPECT_EQ(kb.CompletionInsertList().size(), 427);
    EXPECT_EQ(kb.DeclarationIndex().size(),
              kb.CompletionDisplayList().filter(QStringLiteral("(")).size());
    EXPECT_EQ(kb.DeclarationIndex().lineOf(QStringLiteral("RAISEEXCEPTION")), 26);

    kb.LoadClassMembers({ QStringLiteral("TEdit"), QString() });
    const ScriptMemberList edit = kb.ClassMembers(QStringLiteral("TEdit"));
    ASSERT_EQ(kb.CompletionInsertList().size(), edit.insertTexts.size() + 427);
    EXPECT_EQ(kb.CompletionInsertList().mid(0, edit.insertTexts.size()), edit.insertTexts);
    EXPECT_EQ(kb.CompletionDisplayList().mid(edit.declarations.size()), kb.ScriptFunctionDecls());
    const int createLine = int(kb.CompletionDisplayList().indexOf(QStringLiteral("constructor Create(AOwner: TComponent);")));
    EXPECT_EQ(kb.DeclarationIndex().lineOf(QStringLiteral("CREATE")), createLine);
}

TEST(ClassMembers, AnswersWithoutDisturbingTheCompletionLists)
{
    ScriptKnowledgeBase kb;
    kb.LoadClassMembers({ QStringLiteral("TEdit") });
    const QStringList insertBefore = kb.CompletionInsertList();
    const qsizetype indexBefore = kb.DeclarationIndex().size();

    const ScriptMemberList page = kb.ClassMembers(QStringLiteral("twizardpage"));
    EXPECT_EQ(page.insertTexts, wizardPageInserts);
    EXPECT_EQ(page.declarations, wizardPageDeclarations);
    EXPECT_EQ(kb.ClassMembers(QString()).insertTexts.size(), 427);
    EXPECT_TRUE(kb.ClassMembers(QStringLiteral("TNotebook")).insertTexts.isEmpty());

    EXPECT_EQ(kb.CompletionInsertList(), insertBefore);
    EXPECT_EQ(kb.DeclarationIndex().size(), indexBefore);
    EXPECT_TRUE(kb.ScriptFunctionNames().isEmpty());
}

TEST(ScriptClassTable, InsertsBracketsOnlyForTheFourIndexedProperties)
{
    ScriptKnowledgeBase kb;
    QStringList bracketed;
    const ScriptClassTable &table = kb.ScriptClasses();
    for (qsizetype i = 0; i < table.size(); ++i) {
        for (const ScriptClassMember &m : table.at(i).members) {
            if (m.insertText.endsWith(QLatin1String("[]")))
                bracketed.append(table.at(i).name + u'.' + m.insertText);
        }
    }
    EXPECT_EQ(bracketed, QStringList({ "TComponent.Components[]", "TStrings.Strings[]", "TStrings.Objects[]",
                                       "TWinControl.Controls[]" }));
    const ScriptMemberList listBox = kb.ClassMembers(QStringLiteral("TCustomListBox"));
    EXPECT_TRUE(listBox.insertTexts.contains(QStringLiteral("Selected")));
    EXPECT_TRUE(kb.ClassMembers(QStringLiteral("TFolderTreeView")).insertTexts.contains(QStringLiteral("Directory")));
}

TEST(ScriptClassTable, RejectsAMalformedTable)
{
    const QStringList bad[] = {
        { "class TObject", "class TChild(TMissing)" },
        { "procedure Free;" },
        { "class TObject", "class TSecondRoot" },
        { "class TObject", "class TObject(TObject)" },
        { "class TObject", "property ;" },
    };
    for (const QStringList &lines : bad)
        EXPECT_THROW(ScriptClassTable { lines }, std::logic_error) << lines.join(u'|').toStdString();
}

#include "scriptknowledge/PrototypeSplitter.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(SplitPrototype, TakesKindNameAndTailApart)
{
    const QString keep = QStringLiteral("<kept>");
    struct Case { QString declaration; QString kind; QString name; QString tail; };
    const Case cases[] = {
        { QStringLiteral("function FindComponent(AName: String): TComponent;"), QStringLiteral("function"),
          QStringLiteral("FindComponent"), QStringLiteral("(AName: String): TComponent;") },
        { QStringLiteral("procedure Abort;"), QStringLiteral("procedure"), QStringLiteral("Abort"), keep },
        { QStringLiteral("function GetCmdTail: String;"), QStringLiteral("function"), QStringLiteral("GetCmdTail"), keep },
        { QStringLiteral(" \tprocedure Foo(x: Integer);  "), QStringLiteral("procedure"), QStringLiteral("Foo"),
          QStringLiteral("(x: Integer);") },
        { QStringLiteral("procedure  Foo;"), QStringLiteral("procedure"), QStringLiteral(" Foo"), keep },
        { QStringLiteral("procedure Foo (x);"), QStringLiteral("procedure"), QStringLiteral("Foo "), QStringLiteral("(x);") },
        { QStringLiteral("const wpWelcome"), QStringLiteral("const"), keep, keep },
        { QStringLiteral("procedure Foo"), QStringLiteral("procedure"), keep, keep },
        { QStringLiteral("Nothing"), keep, keep, keep },
        { QStringLiteral("Foo(x)"), keep, keep, QStringLiteral("(x)") },
        { QStringLiteral("property Owner: TComponent; read write;"), QStringLiteral("property"), QStringLiteral("Owner"), keep },
    };
    for (const Case &c : cases) {
        QString kind = keep, name = keep, tail = keep;
        SplitPrototype(c.declaration, kind, name, tail);
        EXPECT_EQ(kind, c.kind) << c.declaration.toStdString();
        EXPECT_EQ(name, c.name) << c.declaration.toStdString();
        EXPECT_EQ(tail, c.tail) << c.declaration.toStdString();
    }
}

TEST(EventProcedureDeclaration, PutsTheProcedureNameBetweenKindAndTailAndFillsTheBraces)
{
    EXPECT_EQ(EventProcedureDeclaration("procedure OnClick(Sender: TObject);", "Page1_Button1Click", "Page1", "Button1"),
              "procedure Page1_Button1Click(Sender: TObject);");
    EXPECT_EQ(EventProcedureDeclaration("function {}OnShouldSkipPage(Sender: TWizardPage): Boolean;", "{}Skip",
                                        "Page", "Form"),
              "function Page_Form_Skip(Sender: TWizardPage): Boolean;");
    EXPECT_EQ(EventProcedureDeclaration("procedure OnActivate(Sender: TObject);", "{}A{}", "P", "C"),
              "procedure P_C_AP_C_(Sender: TObject);");
}

namespace {

struct Parameters
{
    QStringList names, types, modifiers;
};

Parameters split(const QString &text)
{
    Parameters p;
    SplitParameterList(text, p.names, p.types, p.modifiers);
    return p;
}

} // namespace

TEST(SplitParameterList, SplitsGroupsIntoNamesTypesAndModifiers)
{
    struct Case { QString text; QStringList names; QStringList types; QStringList modifiers; };
    const Case cases[] = {
        { QStringLiteral("const Prompt: String; var Directory: String; const NewFolderButton: Boolean"),
          { "Prompt", "Directory", "NewFolderButton" }, { "String", "String", "Boolean" }, { "const ", "var ", "const " } },
        { QStringLiteral("const ACaption, ASubItem: String; ALevel: Byte; AChecked, AEnabled: Boolean; AObject: TObject"),
          { "ACaption", "ASubItem", "ALevel", "AChecked", "AEnabled", "AObject" },
          { "String", "String", "Byte", "Boolean", "Boolean", "TObject" }, { "const ", "const ", "", "", "", "" } },
        { QStringLiteral("X1, Y1, X2, Y2, X3, Y3, X4, Y4: Integer"),
          { "X1", "Y1", "X2", "Y2", "X3", "Y3", "X4", "Y4" }, QStringList(8, QStringLiteral("Integer")), QStringList(8, QString()) },
        { QStringLiteral("const S: String; const Args: array of String"),
          { "S", "Args" }, { "String", "array of String" }, { "const ", "const " } },
        { QStringLiteral("A: Integer) B: Byte"), { "A", "B" }, { "Integer", "Byte" }, { "", "" } },
        { QStringLiteral("A, B"), { "A" }, { "B" }, { "" } },
        { QStringLiteral("Invariant: Integer"), { "Invariant" }, { "Integer" }, { "var " } },
        { QStringLiteral("Var A: Integer"), { "Var A" }, { "Integer" }, { "" } },
        { QString(), {}, {}, {} },
        { QStringLiteral("  ;  "), {}, {}, {} },
    };
    for (const Case &c : cases) {
        const Parameters p = split(c.text);
        EXPECT_EQ(p.names, c.names) << c.text.toStdString();
        EXPECT_EQ(p.types, c.types) << c.text.toStdString();
        EXPECT_EQ(p.modifiers, c.modifiers) << c.text.toStdString();
    }
}

TEST(SplitParameterList, AppendsAndCleansEarlierNamesToo)
{
    QStringList names { QStringLiteral("var Old ") };
    QStringList types { QStringLiteral("Byte") };
    QStringList modifiers { QStringLiteral("var ") };
    SplitParameterList(QStringLiteral("var N: Integer"), names, types, modifiers);
    EXPECT_EQ(names, QStringList({ "Old", "N" }));
    EXPECT_EQ(types, QStringList({ "Byte", "Integer" }));
    EXPECT_EQ(modifiers, QStringList({ "var ", "var " }));
}

#include "engine/script/ScriptGenerationError.h"
#include "engine/scriptcode/SkinTemplate.h"

#include "CodePartsTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace talmo {
namespace {

using namespace codepartstest;

TEST(SkinTemplate, CodePartLeavesOutInitializeWizardAndCallsThePageChangeCode)
{
    EXPECT_EQ(Text(SkinTemplate::CodeWithoutInitializeWizard(FixtureLines(QStringLiteral("skin-template.iss")))), Text(FixtureLines(QStringLiteral("skin-code.txt"))));
}

TEST(SkinTemplate, BodyOfInitializeWizardKeepsDeclarationsAndInnerBlocks)
{
    EXPECT_EQ(Text(SkinTemplate::InitializeWizardBody(FixtureLines(QStringLiteral("skin-template.iss")))), Text(FixtureLines(QStringLiteral("skin-body.txt"))));
}

TEST(SkinTemplate, BodyOfARoutineWrittenOneStatementALine)
{
    const QStringList lines = Lines({ "procedure InitializeWizard();", "var", "  A: Integer;", "begin", "  A := 1;",
                                      "  if A = 1 then begin", "    A := 2;", "  end;", "end;" });
    EXPECT_EQ(Text(SkinTemplate::InitializeWizardBody(lines)), Text(Lines({ "var", "  A: Integer;", "begin", "  A := 1;", "  if A = 1 then begin", "    A := 2;", "  end;" })));
}

TEST(SkinTemplate, BodyWithoutItsClosingLineIsCopiedToTheLastLine)
{
    const QStringList lines = Lines({ "procedure InitializeWizard();", "begin", "  A := 1;", "  begin", "  end;", "  B := 2;" });
    EXPECT_EQ(Text(SkinTemplate::InitializeWizardBody(lines)), Text(Lines({ "begin", "  A := 1;", "  begin", "  end;", "  B := 2;" })));
}

TEST(SkinTemplate, TemplateWithoutInitializeWizardGivesNoBody)
{
    EXPECT_TRUE(SkinTemplate::InitializeWizardBody(Lines({ "[Code]", "procedure X();", "begin", "end;" })).isEmpty());
}

TEST(SkinTemplate, UnusableTemplatesRaise)
{
    const QStringList templates[] = {
        {},
        Lines({ "[Code]", "procedure InitializeWizard();", "var", "  A: Integer;" }),
        Lines({ "procedure InitializeWizard();", "begin", "  case A of", "    1: B := 2;", "  if A then", "  begin" }),
    };
    for (const QStringList &lines : templates)
        EXPECT_THROW(SkinTemplate::InitializeWizardBody(lines), ScriptGenerationError) << lines.join(QLatin1Char('|')).toStdString();
}

TEST(SkinTemplate, CodePartWalkEdges)
{
    struct Case
    {
        QStringList lines;
        QStringList expected;
    };
    const Case cases[] = {
        // no [Code]: nothing
        { Lines({ "[Setup]", "AppName=x" }), {} },
        // a page-change head whose begin is on the next line
        { Lines({ "[Code]", "procedure CurPageChanged(CurPageID: Integer);", "begin", "end;" }),
          Lines({ "procedure CurPageChanged(CurPageID: Integer);", "begin", "  TALMO_Script_CurPageChanged(CurPageID);",
                  "end;" }) },
        // the routine is the last thing: the walk ends inside the skip
        { Lines({ "[Code]", "var A: Integer;", "procedure InitializeWizard();", "begin", "  A := 1;" }),
          Lines({ "var A: Integer;" }) },
        // the line after the closing line is written without a second test
        { Lines({ "[Code]", "procedure InitializeWizard();", "begin", "end;", "// InitializeWizard done" }),
          Lines({ "// InitializeWizard done" }) },
    };
    for (const Case &c : cases)
        EXPECT_EQ(Text(SkinTemplate::CodeWithoutInitializeWizard(c.lines)), Text(c.expected)) << Text(c.lines);
}

TEST(SkinTemplate, AHundredThousandNestedBlocksAreWalkedWithoutExhaustingTheStack)
{
    constexpr int depth = 100000;
    QStringList lines{QStringLiteral("[Code]"), QStringLiteral("procedure InitializeWizard();"), QStringLiteral("begin")};
    for (int i = 0; i < depth; ++i)
        lines.append(QStringLiteral("begin"));
    for (int i = 0; i < depth; ++i)
        lines.append(QStringLiteral("end;"));
    lines << QStringLiteral("end;") << QStringLiteral("// after");

    const QStringList body = SkinTemplate::InitializeWizardBody(lines);
    EXPECT_EQ(body.size(), 1 + 2 * depth);
    EXPECT_EQ(SkinTemplate::CodeWithoutInitializeWizard(lines), QStringList{QStringLiteral("// after")});

    lines.resize(lines.size() - 3);
    EXPECT_THROW(SkinTemplate::InitializeWizardBody(lines), ScriptGenerationError) << "ends inside an inner block";
    EXPECT_TRUE(SkinTemplate::CodeWithoutInitializeWizard(lines).isEmpty());
}

TEST(SkinTemplate, LoadsEightBitLinesAndRaisesForAMissingTemplate)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Setup Skins/Blue")));
    QFile file(folder.filePath(QStringLiteral("Setup Skins/Blue/Blue.iss")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Code]\r\n// caf\xe9\r\nvar A: Integer;\n");
    file.close();

    const QString programFolder = folder.path() + QLatin1Char('/');
    EXPECT_EQ(Text(SkinTemplate::Load(programFolder, QStringLiteral("Blue"))), Text((QStringList{ QStringLiteral("[Code]"), QStringLiteral("// caf\u00e9"), QStringLiteral("var A: Integer;") })));
    EXPECT_THROW(SkinTemplate::Load(programFolder, QStringLiteral("Green")), ScriptGenerationError);
}

TEST(SkinTemplate, OnlyTheExactNameDefaultHasNoTemplate)
{
    EXPECT_FALSE(SkinTemplate::HasTemplate(QStringLiteral("Default")));
    EXPECT_TRUE(SkinTemplate::HasTemplate(QStringLiteral("default")));
    EXPECT_TRUE(SkinTemplate::HasTemplate(QStringLiteral("Ocean")));
}

} // namespace
} // namespace talmo

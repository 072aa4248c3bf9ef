#include "engine/cab/InfField.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(InfFieldTest, TypedTextsAreWrittenTheWayTheInfFormatReadsThemBack)
{
    TProjectContainer project;
    project.StringPairs.AddNew() = TStringPair{QStringLiteral("Greeting"), QStringLiteral("Hi")};
    const InfField fields(project);
    const std::pair<const char *, const char *> cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"Hello, \"World\" %InstallDir%", "\"Hello, \"\"World\"\" %InstallDir%\""},
        {"%windir%\\a", "%%windir%%\\a"},
        {"100%", "100%%"},
        {"%%", "%%%%"},
        {"%CE1%\\x %ce17% %CE18% %CE0%", "%CE1%\\x %ce17% %%CE18%% %%CE0%%"},
        {"%AppName% %greeting% %Provider%", "%AppName% %greeting% %%Provider%%"},
        {"50% off %AppName%", "50%% off %AppName%"},
        {"a;b", "\"a;b\""},
        {"a=b", "\"a=b\""},
        {" lead", "\" lead\""},
        {"trail ", "\"trail \""},
        {"folder\\", "\"folder\\\""},
        {"\"", "\"\"\"\""},
    };
    for (const auto &[typed, written] : cases)
        EXPECT_EQ(fields.Text(QString::fromUtf8(typed)), QString::fromUtf8(written)) << typed;
    EXPECT_EQ(fields.Quoted(QStringLiteral("My \"App\" 5%")), QStringLiteral("\"My \"\"App\"\" 5%%\""));
}

TEST(InfFieldTest, FoldersOfTheBuildMachineKeepNoReference)
{
    EXPECT_EQ(InfField::Literal(QStringLiteral("/home/u/%CE1%/a,b")), QStringLiteral("\"/home/u/%%CE1%%/a,b\""));
    EXPECT_EQ(InfField::QuotedLiteral(QStringLiteral("100%.txt")), QStringLiteral("\"100%%.txt\""));
}

TEST(InfFieldTest, ListStringsAreRewrittenOneByOne)
{
    TProjectContainer project;
    const InfField fields(project);
    EXPECT_EQ(fields.List(QStringLiteral("\"one, 1%\",\"two \"\"2\"\"\"")),
              QStringLiteral("\"one, 1%%\",\"two \"\"2\"\"\""));
    EXPECT_EQ(fields.List(QStringLiteral("a , b,%InstallDir%")), QStringLiteral("a,b,%InstallDir%"));
    EXPECT_EQ(fields.List(QString()), QString());
}

} // namespace

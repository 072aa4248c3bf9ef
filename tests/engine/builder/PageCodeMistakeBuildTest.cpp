#include "engine/builder/BuildController.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/iscmplr/CodeMistakes.h"
#include "tests/support/QtPrinters.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace talmo::testing {
namespace {

// The whole script of the program compiled by our compiler library, with a
// designed page "Options" whose button has a click event.
class PageCodeBuild : public FullScriptBuilderFixture
{
protected:
    void SetUp() override
    {
        FullScriptBuilderFixture::SetUp();
        builder.WindowShown();
    }

    TFormCodeExecutionUnit &addClickEvent(const QString &procedureName, const QStringList &code)
    {
        TCustomForm &page = AddOptionsPageWithButton(fixture.project);
        TFormCodeExecutionUnit &click = page.ExecUnits.AddNew();
        click.Object = QStringLiteral("Button1");
        click.Event = QStringLiteral("OnClick");
        click.ShortHelp = QStringLiteral("procedure {}OnClick(Sender: TObject);");
        click.eventNameInCode = procedureName;
        click.Code = code;
        click.Enabled = true;
        return click;
    }

    // The log line after the compiler's error, which must read "Error on line
    // N: Column C: text"; the column counts in the generated line.
    QString lineAfterTheError(const QString &text) const
    {
        const QStringList log = builder.LogLines();
        const QRegularExpression error(QStringLiteral("^Error on line \\d+: Column \\d+: ") + QRegularExpression::escape(text) + u'$');
        // The last build's error: the log keeps the builds before it.
        for (qsizetype i = log.size() - 2; i >= 0; --i) {
            if (error.match(log.at(i)).hasMatch())
                return log.at(i + 1);
        }
        ADD_FAILURE() << "no error line \"" << text.toStdString() << "\" in\n" << log.join(u'\n').toStdString();
        return QString();
    }
};

class PageCodeMistake : public PageCodeBuild, public ::testing::WithParamInterface<CodeMistake>
{
};

TEST_P(PageCodeMistake, FailsTheBuildNamingThePageTheEventAndTheLine)
{
    const CodeMistake &mistake = GetParam();
    addClickEvent(QString::fromLatin1(mistake.procedureName), mistake.bodyLines());

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 2);
    const QString sentence =
        QStringLiteral("The error is in line %1 of the event Button1.OnClick on the page \"Options\", at column %2.")
            .arg(mistake.faultyLine)
            .arg(mistake.column);
    EXPECT_EQ(lineAfterTheError(QString::fromLatin1(mistake.text)), sentence);
    // What a build from the command line reports: the same sentence after the message.
    EXPECT_EQ(builder.ErrorText, QString::fromLatin1(mistake.text) + QStringLiteral(". ") + sentence);
    EXPECT_FALSE(fixture.OutputFiles().contains(QStringLiteral("MySetup.exe")));
}

INSTANTIATE_TEST_SUITE_P(Mistakes, PageCodeMistake, ::testing::ValuesIn(CodeMistakes()),
                         [](const ::testing::TestParamInfo<CodeMistake> &info) { return CodeMistakeName(info.param); });

TEST_F(PageCodeBuild, AMistakeInTheGlobalCodeNamesItsLineThere)
{
    addClickEvent(QStringLiteral("Options_Button1OnClick"), { QStringLiteral("begin"), QStringLiteral("end;") });
    fixture.project.CommonCode = { QStringLiteral("procedure Shared();"), QStringLiteral("begin"),
                                   QStringLiteral("  UndefinedProc(1, 2);"), QStringLiteral("end;") };

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 2);
    EXPECT_EQ(lineAfterTheError(QStringLiteral("Unknown identifier 'UndefinedProc'")),
              QStringLiteral("The error is in line 4 of the global code, at column 3."));
    EXPECT_EQ(builder.ErrorText,
              QStringLiteral("Unknown identifier 'UndefinedProc'. The error is in line 4 of the global code, at column 3."));
}

// The script names the page's controls and members otherwise than the user
// typed them; the column is told in the user's line all the same.
TEST_F(PageCodeBuild, TheColumnCountsInTheLineTheUserTyped)
{
    addClickEvent(QStringLiteral("Options_Button1OnClick"),
                  { QStringLiteral("begin"), QStringLiteral("  Button1.Caption := Caption + 5;"), QStringLiteral("end;") });
    fixture.project.CommonCode = { QStringLiteral("procedure Shared();"), QStringLiteral("begin"),
                                   QStringLiteral("  Options.Button1.Caption := 5;"), QStringLiteral("end;") };

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 2);
    // The first mistake in the script is the global code's.
    EXPECT_EQ(lineAfterTheError(QStringLiteral("Type mismatch")),
              QStringLiteral("The error is in line 4 of the global code, at column 31."));

    fixture.project.CommonCode.clear();
    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 2);
    // "  Options_Button1.Caption := Options.Caption + 5;" in the script, where the ";" is at column 49.
    EXPECT_EQ(lineAfterTheError(QStringLiteral("Type mismatch")),
              QStringLiteral("The error is in line 3 of the event Button1.OnClick on the page \"Options\", at column 33."));
}

TEST_F(PageCodeBuild, GeneratedCodeIsNamedByItsLineAlone)
{
    // A name clash of the user's procedure with a generated one: the compiler
    // finds the fault in the generated declaration, which no page or event wrote.
    addClickEvent(QStringLiteral("CheckAsync"), { QStringLiteral("begin"), QStringLiteral("end;") });

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 2);
    const QStringList log = builder.LogLines();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("Error on line "))) << log.join(u'\n').toStdString();
    EXPECT_TRUE(log.last().endsWith(QStringLiteral("Duplicate identifier 'CHECKASYNC'"))) << log.join(u'\n').toStdString();
}

} // namespace
} // namespace talmo::testing

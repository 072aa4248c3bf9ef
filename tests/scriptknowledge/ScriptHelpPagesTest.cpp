#include "scriptknowledge/KnowledgeData.h"
#include "scriptknowledge/ScriptFunctionList.h"
#include "scriptknowledge/ScriptHelpPages.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList functionHelp(const QString &topicId)
{
    QStringList lines;
    AddFunctionHelp(topicId, lines);
    return lines;
}

QStringList constantsHelp(bool withOtherConstants)
{
    QStringList lines;
    AddConstantsHelp(withOtherConstants, lines);
    return lines;
}

struct Routine
{
    QString name;
    QString declaration;
};

// Every routine that has a help page: the function list's routines and the
// few that have a page only.
QList<Routine> documentedRoutines()
{
    QList<Routine> routines;
    const QList<ScriptFunctionEntry> &entries = ScriptFunctionList::entries();
    for (int i = 0; i < ScriptFunctionList::RoutineCount; ++i)
        routines.append({ entries.at(i).name, entries.at(i).declaration });
    for (const QString &line : KnowledgeData::lines(QStringLiteral("help-only-functions.tsv"))) {
        const auto [name, declaration] = KnowledgeData::splitTabbed(line, QString());
        routines.append({ name, declaration });
    }
    return routines;
}

} // namespace

TEST(AddFunctionHelp, WritesTheShortestPageInSevenLines)
{
    const QStringList expected {
        "<b>Beep</b>",
        "<font size=\"1\" face=\"tahoma\">",
        "<hr>",
        "<div><b>Prototype:</b></div>",
        "<p>procedure Beep;</p>",
        "<div><b>Description:</b></div>",
        "<p>Plays the system's default sound.</p></div>",
    };
    EXPECT_EQ(functionHelp(QStringLiteral("topic_isxfunc_beep.htm")), expected);
}

TEST(AddFunctionHelp, WritesEverySectionInItsOrder)
{
    const QStringList expected {
        "<b>Exec</b>",
        "<font size=\"1\" face=\"tahoma\">",
        "<hr>",
        "<div><b>Prototype:</b></div>",
        "<p>function Exec(const Filename, Params, WorkingDir: String; const ShowCmd: Integer; const Wait: TExecWait; "
        "var ResultCode: Integer): Boolean;</p>",
        "<div><b>Description:</b></div>",
        "<p>Runs the program Filename with the parameters Params in the folder WorkingDir; ShowCmd tells how its window "
        "is shown. Wait decides whether the call returns at once (ewNoWait), once the program is idle (ewWaitUntilIdle) "
        "or when it has ended (ewWaitUntilTerminated).</p>",
        "<p>Returns True when the program was started; ResultCode then holds its exit code if the call waited for it to "
        "end. Returns False when it could not be started; ResultCode then holds the Windows error code.</p>",
        "<div><b>Remarks:</b></div>",
        "<p>Exec cannot open documents; use ShellExec for files that are not programs.</p>",
        "<div><b>Example:</b></div>",
        "<pre>if Exec(ExpandConstant('{app}\\tool.exe'), '/silent', '', SW_HIDE, ewWaitUntilTerminated, ResultCode) then",
        "  Log('tool.exe ended with ' + IntToStr(ResultCode));</pre>",
        "<div><b>See also:</b></div>",
        "<p><a href=\"topic_isxfunc_shellexec.htm\">ShellExec</a></p></div>",
    };
    EXPECT_EQ(functionHelp(QStringLiteral("topic_isxfunc_exec.htm")), expected);
    EXPECT_TRUE(functionHelp(QStringLiteral("topic_isxfunc_getwindowsversion.htm"))
                    .contains(QStringLiteral("<pre>if GetWindowsVersion &gt;= $05010000 then")));
}

TEST(AddFunctionHelp, MatchesOnlyTheExactLowerCaseId)
{
    EXPECT_EQ(functionHelp(QStringLiteral("topic_isxfunc_abort.htm")).value(4), QStringLiteral("<p>procedure Abort;</p>"));
    EXPECT_FALSE(functionHelp(QStringLiteral("topic_isxfunc_loaddll.htm")).isEmpty());
    const char *misses[] = {
        "topic_isxfunc_Abort.htm", " topic_isxfunc_abort.htm", "topic_isxfunc_abort.htm ", "abort", "Abort", "",
        "topic_isxfunc_notaroutine.htm", "topic_32vs64bitinstalls.htm",
    };
    for (const char *id : misses)
        EXPECT_TRUE(functionHelp(QString::fromLatin1(id)).isEmpty()) << '"' << id << '"';
}

TEST(AddFunctionHelp, AppendsToWhatTheListHolds)
{
    QStringList lines { QStringLiteral("<html>"), QStringLiteral("<body>") };
    AddFunctionHelp(QStringLiteral("topic_isxfunc_beep.htm"), lines);
    AddFunctionHelp(QStringLiteral("topic_isxfunc_beep.htm"), lines);
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines.first(), QStringLiteral("<html>"));
    EXPECT_EQ(lines.mid(2, 7), lines.mid(9, 7));
}

TEST(AddFunctionHelp, EveryRoutineHasOneWellFormedPage)
{
    const QList<Routine> routines = documentedRoutines();
    ASSERT_EQ(routines.size(), 215);
    const QRegularExpression link(QStringLiteral("href=\"(topic_isxfunc_[^\"]*)\""));
    QSet<QString> ids;
    int remarks = 0, examples = 0, seeAlso = 0;
    for (const Routine &routine : routines) {
        const QString id = FunctionHelpTopicId(routine.name);
        SCOPED_TRACE(id.toStdString());
        ids.insert(id);
        const QStringList page = functionHelp(id);
        ASSERT_GE(page.size(), 7);
        EXPECT_EQ(page.first(), QStringLiteral("<b>") + routine.name + QStringLiteral("</b>"));
        EXPECT_EQ(page.count(QStringLiteral("<p>") + routine.declaration + QStringLiteral("</p>")), 1);
        EXPECT_EQ(page.filter(QStringLiteral("<div><b>Prototype:</b></div>")).size(), 1);
        EXPECT_EQ(page.filter(QStringLiteral("<div><b>Description:</b></div>")).size(), 1);
        EXPECT_TRUE(page.last().endsWith(QLatin1String("</div>")));

        const qsizetype remarkAt = page.indexOf(QStringLiteral("<div><b>Remarks:</b></div>"));
        const qsizetype exampleAt = page.indexOf(QStringLiteral("<div><b>Example:</b></div>"));
        const qsizetype seeAlsoAt = page.indexOf(QStringLiteral("<div><b>See also:</b></div>"));
        remarks += remarkAt >= 0;
        examples += exampleAt >= 0;
        seeAlso += seeAlsoAt >= 0;
        qsizetype previous = 6;
        for (const qsizetype at : { remarkAt, exampleAt, seeAlsoAt }) {
            if (at < 0)
                continue;
            EXPECT_GT(at, previous);
            previous = at;
        }
        if (exampleAt >= 0) {
            EXPECT_TRUE(page.at(exampleAt + 1).startsWith(QLatin1String("<pre>")));
            EXPECT_EQ(page.filter(QStringLiteral("</pre>")).size(), 1);
        }
        for (const QString &line : page) {
            for (const QRegularExpressionMatch &m : link.globalMatch(line))
                EXPECT_FALSE(functionHelp(m.captured(1)).isEmpty()) << m.captured(1).toStdString();
        }
    }
    EXPECT_EQ(ids.size(), 215);
    EXPECT_EQ(remarks, 41);
    EXPECT_EQ(examples, 61);
    EXPECT_EQ(seeAlso, 4);
}

TEST(AddConstantsHelp, WritesDirectoryAndShellFolderSections)
{
    const QStringList page = constantsHelp(false);
    EXPECT_EQ(page.mid(0, 5), QStringList({ "<br><br>", "<hr>", "<h5>Directory Constants</h5>", "<hr>", "<b>{win}</b><br>" }));
    const QStringList headings = page.filter(QRegularExpression(QStringLiteral("^<b>.*</b><br>$")));
    EXPECT_EQ(headings.size(), 22);
    EXPECT_EQ(headings.at(10), QStringLiteral("<b>{cf64}</b><br>"));
    EXPECT_EQ(headings.at(14), QStringLiteral("<b>{userappdata} & {commonappdata}</b><br>"));

    const qsizetype shellTitle = page.indexOf(QStringLiteral("<h5>Shell Folder Constants</h5>"));
    ASSERT_GT(shellTitle, 0);
    EXPECT_EQ(page.at(shellTitle - 2), QStringLiteral("<br><br>"));
    EXPECT_EQ(page.at(shellTitle - 1), QStringLiteral("<hr>"));
    EXPECT_EQ(page.at(shellTitle + 2), QStringLiteral("<b>{group}</b><br>"));

    // Each shell-folder entry ends with an empty line; all but the last then with a gap.
    const qsizetype lastHeading = page.indexOf(QStringLiteral("<b>{usertemplates} & {commontemplates}</b><br>"));
    ASSERT_GT(lastHeading, 0);
    EXPECT_EQ(page.last(), QString());
    EXPECT_EQ(page.size(), lastHeading + 3);
    EXPECT_EQ(page.at(lastHeading - 2), QString());
    EXPECT_EQ(page.at(lastHeading - 1), QStringLiteral("<br><br>"));
    EXPECT_EQ(page.count(QString()), 11);
}

TEST(AddConstantsHelp, AddsTheOtherConstantsOnRequest)
{
    const QStringList shortPage = constantsHelp(false);
    const QStringList page = constantsHelp(true);
    ASSERT_GT(page.size(), shortPage.size() + 5);
    EXPECT_EQ(page.mid(0, shortPage.size()), shortPage);
    EXPECT_EQ(page.mid(shortPage.size(), 6),
              QStringList({ "<br><br>", "<hr>", "<h5>Other Constants</h5>", "<hr>", "<br><br>", "<b>{srcexe}</b><br>" }));
    EXPECT_EQ(page.last(), QStringLiteral("<br><br>"));
    EXPECT_EQ(page.at(page.size() - 2), QString());

    const QStringList other = page.mid(shortPage.size()).filter(QRegularExpression(QStringLiteral("^<b>.*</b><br>$")));
    EXPECT_EQ(other, QStringList({ "<b>{srcexe}</b><br>", "<b>{uninstallexe}</b><br>", "<b>{sysuserinfoname}</b><br>",
                                   "<b>{sysuserinfoorg}</b><br>", "<b>{userinfoname}</b><br>", "<b>{userinfoorg}</b><br>",
                                   "<b>{userinfoserial}</b><br>", "<b>{username}</b><br>", "<b>{cmd}</b><br>",
                                   "<b>{computername}</b><br>", "<b>{groupname}</b><br>",
                                   "<b>{reg:HKxx\\SubkeyName,ValueName|DefaultValue}</b><br>",
                                   "<b>{param:ParamName|DefaultValue}</b><br>" }));
    // The two entries with an example close it in italics before their empty line.
    EXPECT_EQ(page.count(QStringLiteral("Example:<br>")), 2);
    EXPECT_TRUE(page.at(page.size() - 3).startsWith(QLatin1String("<i>{param:")));
    EXPECT_TRUE(page.at(page.size() - 3).endsWith(QLatin1String("</i>")));
    // Two headings share one description: no line stands between them.
    const qsizetype name = page.indexOf(QStringLiteral("<b>{sysuserinfoname}</b><br>"));
    EXPECT_EQ(page.at(name + 1), QStringLiteral("<b>{sysuserinfoorg}</b><br>"));
}

TEST(AddConstantsHelp, AppendsAgainOnEveryCall)
{
    QStringList lines { QStringLiteral("<html>") };
    AddConstantsHelp(true, lines);
    AddConstantsHelp(true, lines);
    const qsizetype pageSize = (lines.size() - 1) / 2;
    EXPECT_EQ(lines.mid(1, pageSize), lines.mid(1 + pageSize));
    EXPECT_EQ(lines.mid(1, pageSize), constantsHelp(true));
}

#include "designer/core/HelpHistory.h"
#include "designer/core/ScriptHelpPageBuilder.h"
#include "scriptknowledge/ScriptHelpPages.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include "tests/support/QtPrinters.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

const ScriptKnowledgeBase &Knowledge()
{
    static const ScriptKnowledgeBase base;
    return base;
}

const QStringList Head = { "<html>", "<header>", "</header>", "<body bgcolor=\"#FFFFCC\" text=\"#000000\">",
                           "<font size=\"2\" face=\"tahoma\">" };
const QStringList Tail = { "</body>", "</html>" };

QStringList Page(const char *key)
{
    return BuildScriptHelpPage(QString::fromLatin1(key), Knowledge());
}

TEST(ScriptHelpPage, StartPageLineByLine)
{
    const QStringList body = {
        "<b>Code Editor Helper</b>",
        "<font size=\"1\" face=\"tahoma\">",
        "<hr>",
        "<b>See also</b>&nbsp;&nbsp;",
        "<a href=\"1\">Classes Definitions</a> | ",
        "<a href=\"2\">Using DLLs</a> | ",
        "<a href=\"3\">Functions Reference</a> | ",
        "<a href=\"4\">Constants</a>",
        "<hr>",
        "<b>Events</b>",
        "<br><br>",
        "Every Control has a set of avaiable events, that are fired",
        "when certain conditions are met, for example when the user clicks",
        "the control, or the form is activated.",
        "<br><br>",
        "For adding an event on an ",
        "object, first select the object, then press the add button and select",
        "the event from the menu.<br><br>If you don't want a event to executed then",
        "select the event and press the delete button. If later you want to add",
        "again this event, then the previous code will be inserted into the code",
        "editor.",
        "<br><br>",
        "If for some reason you want to delete all your event's code and revert",
        "to the default code, simple press the Default Code button.",
        "<hr>",
        "Help content is from the Inno Setup Documentation",
        "<br><br>",
    };
    EXPECT_EQ(Page("0"), Head + body + Tail);
}

TEST(ScriptHelpPage, KeysThatNameNoPageShowTopicNotFound)
{
    const QStringList notFound = Head + QStringList({ "<font size=\"2\" face=\"tahoma\">", "<b>Topic not found</b>" }) + Tail;
    for (const char *key : { "", "5", "00", " 0", "xyz", "topic_isxfunc_.htm", "topic_isxfunc_nosuchthing.htm",
                             "topic_isxfunc_MSGBOX.htm", "<b>", "topic_isxfunc_msgbox.htm " }) {
        EXPECT_EQ(Page(key), notFound) << key;
    }
}

TEST(ScriptHelpPage, FunctionPageIsTheFunctionHelpBetweenHeadAndTail)
{
    QStringList help;
    AddFunctionHelp(QStringLiteral("topic_isxfunc_msgbox.htm"), help);
    ASSERT_FALSE(help.isEmpty());
    EXPECT_EQ(Page("topic_isxfunc_msgbox.htm"), Head + help + Tail);
}

TEST(ScriptHelpPage, FunctionsReferenceOpensWithItsFirstCategory)
{
    const QStringList page = Page("3");
    EXPECT_EQ(page.mid(5, 6),
              QStringList({ "<b>Functions Reference</b>",
                            "<p>Here's the list of support functions that can be called from within your code.</p>",
                            "<b>Setup or Uninstall Info functions</b><br/>",
                            "function <a href=\"topic_isxfunc_getcmdtail.htm\">GetCmdTail</a>: String;<br/>",
                            "function <a href=\"topic_isxfunc_paramcount.htm\">ParamCount</a>: Integer;<br/>",
                            "function <a href=\"topic_isxfunc_paramstr.htm\">ParamStr</a>(Index: Integer): String;<br/>" }));
    EXPECT_EQ(page.filter(QStringLiteral("</b><br/>")).size(), 15);
    EXPECT_TRUE(page.contains(QStringLiteral("<b>Other functions</b><br/>")));
    EXPECT_EQ(page.mid(page.size() - 3), QStringList({ "procedure <a href=\"topic_isxfunc_bringtofrontandrestore.htm\">"
                                                       "BringToFrontAndRestore</a>;<br/>" })
                                             + Tail);
}

TEST(ScriptHelpPage, ClassesPageListsEveryClassWithItsOwnMembers)
{
    const QStringList page = Page("1");
    EXPECT_EQ(page.mid(5, 4), QStringList({ "<b>Classes Definitions</b>", "<font size=\"1\" face=\"tahoma\">", "<hr>", "" }));
    const qsizetype table = page.indexOf(QStringLiteral("<table width=\"500\"><tr><td>"));
    ASSERT_EQ(table, 13);
    EXPECT_EQ(page.at(table - 1), QStringLiteral("<br><br>"));
    EXPECT_EQ(page.mid(table + 1, 6),
              QStringList({ "TObject = class<br>", "&nbsp;&nbsp;constructor Create;<br>", "&nbsp;&nbsp;procedure Free;<br>",
                            "end;<br>", "<br>", "TPersistent = class(TObject)<br>" }));
    EXPECT_EQ(page.filter(QRegularExpression(QStringLiteral("^T\\w+ = class"))).size(), 63);
    EXPECT_TRUE(page.contains(QStringLiteral("TGraphicObject = class(TPersistent)<br>")));
    EXPECT_LT(page.indexOf(QStringLiteral("TFileStream = class(THandleStream)<br>")),
              page.indexOf(QStringLiteral("TGraphicObject = class(TPersistent)<br>")));
    EXPECT_EQ(page.mid(page.size() - 4), QStringList({ "end;<br>", "</td><tr></table>" }) + Tail);
    EXPECT_EQ(page.at(page.indexOf(QStringLiteral("TWizardForm = class(TSetupForm)<br>")) + 1),
              QStringLiteral("&nbsp;&nbsp;property CancelButton: TNewButton; read;<br>"));
}

TEST(ScriptHelpPage, ConstantsPageExplainsExpansionThenListsTheConstants)
{
    QStringList constants;
    AddConstantsHelp(true, constants);
    const QStringList page = Page("4");
    EXPECT_EQ(page.mid(5, 6),
              QStringList({ "<b>Constants</b>", "<font size=\"1\" face=\"tahoma\">", "<hr>",
                            "You can access all the Wizard's Constants from your Code. This is done with the help of the "
                            "function ExapandConsant(S: String)<br><br>",
                            "This function changes all constants in S to their values. For example, "
                            "ExpandConstant('{srcexe}') is changed to the filename of Setup.<br><br>",
                            "An exception will be raised if there was an error expanding the constants." }));
    EXPECT_EQ(page.mid(11), constants + Tail);
}

TEST(ScriptHelpPage, DllPageNamesTheLoadingOptions)
{
    const QStringList page = Page("2");
    EXPECT_EQ(page.at(5), QStringLiteral("<b>Using DLLs</b>"));
    for (const char *option : { "<b>delayload</b><br>", "<b>setuponly</b><br>", "<b>uninstallonly</b><br>" })
        EXPECT_TRUE(page.contains(QString::fromLatin1(option))) << option;
    EXPECT_TRUE(page.join(u'\n').contains(QStringLiteral("stdcall")));
}

TEST(HelpHistory, BackAndForwardStopAtTheEndsAndPushesAppend)
{
    HelpHistory history;
    EXPECT_EQ(history.back(), QString());
    EXPECT_EQ(history.forward(), QString());
    EXPECT_EQ(history.index(), -1);

    const struct
    {
        const char *step;
        const char *shown;
        int index;
    } steps[] = {
        { "push 0", "0", 0 },   { "back", "0", 0 },     { "push 1", "1", 1 },   { "push 3", "3", 2 },
        { "forward", "3", 2 },  { "back", "1", 1 },     { "back", "0", 0 },     { "back", "0", 0 },
        { "forward", "1", 1 },  { "back", "0", 0 },     { "push 4", "4", 3 },   { "back", "3", 2 },
        { "forward", "4", 3 },  { "forward", "4", 3 },
    };
    for (const auto &step : steps) {
        const QString command = QString::fromLatin1(step.step);
        QString shown;
        if (command.startsWith(QLatin1String("push "))) {
            history.push(command.mid(5));
            shown = history.current();
        } else {
            shown = command == QLatin1String("back") ? history.back() : history.forward();
        }
        EXPECT_EQ(shown, QString::fromLatin1(step.shown)) << step.step;
        EXPECT_EQ(history.index(), step.index) << step.step;
    }
    EXPECT_EQ(history.keys(), QStringList({ "0", "1", "3", "4" }));
    history.clear();
    EXPECT_EQ(history.index(), -1);
    EXPECT_TRUE(history.keys().isEmpty());
}

} // namespace

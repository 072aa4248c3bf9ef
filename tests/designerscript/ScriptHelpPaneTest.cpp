#include "designer/script/ScriptHelpPane.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "widgets/NxButton.h"
#include "widgets/NxEdit.h"

#include "tests/support/QtPrinters.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

const ScriptKnowledgeBase &Knowledge()
{
    static const ScriptKnowledgeBase base;
    return base;
}

struct ScriptHelpPaneTest : ::testing::Test
{
    ScriptHelpPaneTest()
    {
        pane.setBeep([this] { ++beeps; });
        pane.bind();
        pane.restart();
    }

    QTextBrowser &viewer() { return *host.helpViewer(); }
    TNxEdit &searchEdit() { return *host.helpSearchEdit(); }
    bool searchEditIsRed() { return searchEdit().palette().color(QPalette::Base) == QColor(Qt::red); }
    void trigger(HelpNavigation button) { host.helpNavigation(button)->trigger(); }

    FakeProjectWindowHost host;
    ScriptHelpPane pane{ host, Knowledge() };
    int beeps = 0;
};

TEST_F(ScriptHelpPaneTest, RestartShowsTheStartPageAsTheOnlyHistoryEntry)
{
    EXPECT_EQ(pane.shownKey(), QStringLiteral("0"));
    EXPECT_EQ(pane.history().keys(), QStringList({ "0" }));
    EXPECT_TRUE(viewer().toPlainText().contains(QStringLiteral("Code Editor Helper")));
    EXPECT_FALSE(host.helpToolBar()->isHidden());
    EXPECT_GE(host.helpToolBar()->height(), 24);
    for (QWidget *button : host.helpToolBar()->findChildren<QToolButton *>())
        EXPECT_GE(host.helpToolBar()->height(), button->minimumSizeHint().height());
    EXPECT_FALSE(viewer().openLinks());
    EXPECT_EQ(viewer().contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(ScriptHelpPaneTest, LinksAndToolBarButtonsWalkTheHistory)
{
    emit viewer().anchorClicked(QUrl(QStringLiteral("4")));
    EXPECT_EQ(pane.shownKey(), QStringLiteral("4"));
    EXPECT_TRUE(viewer().toPlainText().contains(QStringLiteral("ExapandConsant")));
    trigger(HelpNavigation::Back);
    EXPECT_EQ(pane.shownKey(), QStringLiteral("0"));
    trigger(HelpNavigation::Back);
    EXPECT_EQ(pane.shownKey(), QStringLiteral("0"));
    trigger(HelpNavigation::Forward);
    EXPECT_EQ(pane.shownKey(), QStringLiteral("4"));
    trigger(HelpNavigation::Forward);
    EXPECT_EQ(pane.shownKey(), QStringLiteral("4"));
    trigger(HelpNavigation::Home);
    EXPECT_EQ(pane.history().keys(), QStringList({ "0", "4", "0" }));
    EXPECT_EQ(pane.history().index(), 2);
}

TEST_F(ScriptHelpPaneTest, SearchTurnsRedAndBeepsOncePerChangeThatFindsNothing)
{
    searchEdit().setText(QStringLiteral("constants"));
    EXPECT_FALSE(searchEditIsRed());
    EXPECT_EQ(viewer().textCursor().selectedText(), QStringLiteral("Constants"));
    EXPECT_EQ(beeps, 0);

    searchEdit().setText(QStringLiteral("zqx"));
    EXPECT_TRUE(searchEditIsRed());
    EXPECT_EQ(beeps, 1);
    searchEdit().setText(QStringLiteral("zqxw"));
    EXPECT_EQ(beeps, 2);

    searchEdit().setText(QString());
    EXPECT_FALSE(searchEditIsRed());
    EXPECT_FALSE(viewer().textCursor().hasSelection());
    EXPECT_EQ(beeps, 2);
}

TEST_F(ScriptHelpPaneTest, NextFindsTheFollowingOccurrence)
{
    searchEdit().setText(QStringLiteral("EVENT"));
    const int first = viewer().textCursor().selectionStart();
    host.helpNextButton()->click();
    const int second = viewer().textCursor().selectionStart();
    EXPECT_GT(second, first);
    EXPECT_EQ(viewer().textCursor().selectedText().toLower(), QStringLiteral("event"));
    EXPECT_EQ(beeps, 0);
}

TEST_F(ScriptHelpPaneTest, ViewerMenuCopiesTheSelection)
{
    searchEdit().setText(QStringLiteral("using dlls"));
    QApplication::clipboard()->clear();
    emit viewer().customContextMenuRequested(QPoint(5, 5));
    QList<QMenu *> menus;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *shown = qobject_cast<QMenu *>(widget); shown && shown->isVisible())
            menus.append(shown);
    }
    ASSERT_EQ(menus.size(), 1);
    ASSERT_EQ(menus.at(0)->actions().size(), 1);
    EXPECT_EQ(menus.at(0)->actions().at(0)->text(), QStringLiteral("Copy"));
    menus.at(0)->actions().at(0)->trigger();
    menus.at(0)->hide();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Using DLLs"));
}

TEST_F(ScriptHelpPaneTest, LocateShowsTheFunctionPageInTheHelperPane)
{
    pane.locate(QStringLiteral("MsgBox"));
    EXPECT_EQ(pane.shownKey(), QStringLiteral("topic_isxfunc_msgbox.htm"));
    EXPECT_EQ(host.sidePane(), SidePane::Helper);
    EXPECT_FALSE(viewer().toPlainText().contains(QStringLiteral("Topic not found")));
    EXPECT_TRUE(viewer().toPlainText().contains(QStringLiteral("MsgBox")));

    pane.locate(QStringLiteral("Sender"));
    EXPECT_EQ(pane.shownKey(), QStringLiteral("topic_isxfunc_sender.htm"));
    EXPECT_TRUE(viewer().toPlainText().contains(QStringLiteral("Topic not found")));
    EXPECT_EQ(pane.history().keys().size(), 3);
}

TEST_F(ScriptHelpPaneTest, NothingStaysConnectedAfterTheNextPageTakesOver)
{
    host.resetForNextPage();
    trigger(HelpNavigation::Home);
    emit viewer().anchorClicked(QUrl(QStringLiteral("3")));
    searchEdit().setText(QStringLiteral("zqx"));
    EXPECT_EQ(pane.history().keys(), QStringList({ "0" }));
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(viewer().openLinks());
}

} // namespace

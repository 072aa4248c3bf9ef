#include "designer/script/ScriptHelpPane.h"

#include "designer/core/ScriptHelpPageBuilder.h"
#include "pagehost/IProjectWindowHost.h"
#include "scriptknowledge/ScriptHelpPages.h"
#include "widgets/NxButton.h"
#include "widgets/NxEdit.h"

#include <QAction>
#include <QApplication>
#include <QTextBrowser>
#include <QToolBar>

namespace talmo {

namespace {

constexpr int HelpToolBarHeight = 24;

} // namespace

ScriptHelpPane::ScriptHelpPane(IProjectWindowHost &host, const ScriptKnowledgeBase &knowledge, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_knowledge(knowledge)
    , m_beep(&QApplication::beep)
{
    connect(m_viewerMenu.addAction(QStringLiteral("Copy")), &QAction::triggered, this,
            [this] { m_host.helpViewer()->copy(); });
}

void ScriptHelpPane::bind()
{
    QObject *context = m_host.pageContext();
    connect(m_host.helpNavigation(HelpNavigation::Home), &QAction::triggered, context, [this] { home(); });
    connect(m_host.helpNavigation(HelpNavigation::Back), &QAction::triggered, context, [this] { back(); });
    connect(m_host.helpNavigation(HelpNavigation::Forward), &QAction::triggered, context, [this] { forward(); });

    QTextBrowser *viewer = m_host.helpViewer();
    viewer->setOpenLinks(false);
    connect(viewer, &QTextBrowser::anchorClicked, context, [this](const QUrl &link) { showPage(link.toString(), true); });
    viewer->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(viewer, &QWidget::customContextMenuRequested, context,
            [this, viewer](const QPoint &at) { m_viewerMenu.popup(viewer->viewport()->mapToGlobal(at)); });

    connect(m_host.helpSearchEdit(), &QLineEdit::textChanged, context, [this](const QString &text) { searchTextChanged(text); });
    connect(m_host.helpNextButton(), &QAbstractButton::clicked, context, [this] { findNext(); });

    QToolBar *toolBar = m_host.helpToolBar();
    // Never lower than its buttons, whose text the style frames more deeply
    // than the bar's own height leaves room for.
    toolBar->setFixedHeight(qMax(HelpToolBarHeight, toolBar->sizeHint().height()));
    toolBar->show();
}

void ScriptHelpPane::restart()
{
    m_history.clear();
    showPage(QStringLiteral("0"), true);
}

void ScriptHelpPane::showPage(const QString &key, bool push)
{
    m_host.setHelpHtml(BuildScriptHelpPage(key, m_knowledge));
    m_shownKey = key;
    if (push)
        m_history.push(key);
}

void ScriptHelpPane::locate(const QString &word)
{
    showPage(FunctionHelpTopicId(word), true);
    m_host.showSidePane(SidePane::Helper);
}

void ScriptHelpPane::home()
{
    showPage(QStringLiteral("0"), true);
}

void ScriptHelpPane::back()
{
    if (m_history.index() >= 0)
        showPage(m_history.back(), false);
}

void ScriptHelpPane::forward()
{
    if (m_history.index() >= 0)
        showPage(m_history.forward(), false);
}

void ScriptHelpPane::searchTextChanged(const QString &text)
{
    if (text == m_lastSearchText)
        return;
    if (text.isEmpty()) {
        clearSearch();
        return;
    }
    search(text, true);
}

void ScriptHelpPane::findNext()
{
    const QString text = m_host.helpSearchEdit()->text();
    if (text.isEmpty()) {
        clearSearch();
        return;
    }
    search(text, false);
}

void ScriptHelpPane::search(const QString &text, bool fromStart)
{
    QTextBrowser *viewer = m_host.helpViewer();
    if (fromStart)
        viewer->moveCursor(QTextCursor::Start);
    m_lastSearchText = text;
    showFound(viewer->find(text));
}

void ScriptHelpPane::clearSearch()
{
    QTextBrowser *viewer = m_host.helpViewer();
    QTextCursor cursor = viewer->textCursor();
    cursor.clearSelection();
    viewer->setTextCursor(cursor);
    m_lastSearchText.clear();
    showFound(true);
}

void ScriptHelpPane::showFound(bool found)
{
    TNxEdit *edit = m_host.helpSearchEdit();
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, found ? QApplication::palette(edit).color(QPalette::Base) : QColor(Qt::red));
    edit->setPalette(palette);
    if (!found && m_beep)
        m_beep();
}

} // namespace talmo

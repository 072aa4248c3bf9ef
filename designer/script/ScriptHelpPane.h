#pragma once

#include "designer/core/HelpHistory.h"

#include <QMenu>
#include <QObject>

#include <functional>

namespace talmo {

class IProjectWindowHost;
class ScriptKnowledgeBase;

// The script help beside the code editors, on the project window's help
// controls: the pages of BuildScriptHelpPage, a history with Home, Back and
// Forward, links that open their page, a case-insensitive search and the
// look-up of the word at an editor's caret.
class ScriptHelpPane : public QObject
{
    Q_OBJECT
public:
    ScriptHelpPane(IProjectWindowHost &host, const ScriptKnowledgeBase &knowledge, QObject *parent = nullptr);

    // Takes over the project window's help controls for the page now shown:
    // tool bar buttons, links, the viewer's "Copy" menu and the search. Every
    // connection lives on the host's page context.
    void bind();
    // Empties the history and shows the start page.
    void restart();

    // Shows the page of a key; with push it joins the history.
    void showPage(const QString &key, bool push);
    // The page of the support function named word; the side pane shows "Helper".
    void locate(const QString &word);

    void home();
    void back();
    void forward();
    // The search edit's text changed, and the "Next" button.
    void searchTextChanged(const QString &text);
    void findNext();

    // What sounds when a search finds nothing (QApplication::beep unless replaced).
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    const HelpHistory &history() const { return m_history; }
    QString shownKey() const { return m_shownKey; }

private:
    void search(const QString &text, bool fromStart);
    void clearSearch();
    void showFound(bool found);

    IProjectWindowHost &m_host;
    const ScriptKnowledgeBase &m_knowledge;
    HelpHistory m_history;
    QString m_shownKey;
    QString m_lastSearchText;
    QMenu m_viewerMenu;
    std::function<void()> m_beep;
};

} // namespace talmo

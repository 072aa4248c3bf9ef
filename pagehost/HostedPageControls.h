#pragma once

#include "pagehost/IProjectWindowHost.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QComboBox;
class QTextBrowser;
class QToolBar;
class QWidget;

namespace talmo {

class TNextInspector;
class TNxButton;
class TNxEdit;

// The controls of the project window's side pane that hosted pages fill,
// and the reset that hands them clean to the next page. The project window
// lays them out; FakeProjectWindowHost keeps them unshown.
class HostedPageControls : public QObject
{
    Q_OBJECT
public:
    // The controls become children of parent.
    explicit HostedPageControls(QWidget *parent);

    TNextInspector *inspector() const { return m_inspector; }
    QTextBrowser *helpViewer() const { return m_helpViewer; }
    QToolBar *helpToolBar() const { return m_helpToolBar; }
    QAction *helpNavigation(HelpNavigation button) const;
    TNxEdit *helpSearchEdit() const { return m_helpSearchEdit; }
    TNxButton *helpNextButton() const { return m_helpNextButton; }
    QComboBox *objectsDropDown() const { return m_objectsDropDown; }

    void setHelpHtml(const QStringList &lines);

    // The context object of the page now shown; made on first use.
    QObject *pageContext();

    // Deletes the page context (and with it every connection a page made),
    // empties the inspector to one "Nothing to show..." row, clears the help
    // viewer, its menu and link handling, empties and hides the objects drop-down and hides
    // the help tool bar.
    void reset();

private:
    TNextInspector *m_inspector;
    QTextBrowser *m_helpViewer;
    QToolBar *m_helpToolBar;
    QAction *m_helpHome;
    QAction *m_helpBack;
    QAction *m_helpForward;
    TNxEdit *m_helpSearchEdit;
    TNxButton *m_helpNextButton;
    QComboBox *m_objectsDropDown;
    QPointer<QObject> m_pageContext;
};

} // namespace talmo

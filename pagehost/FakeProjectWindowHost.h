#pragma once

#include "pagehost/HostedPageControls.h"
#include "pagehost/IProjectWindowHost.h"
#include "pagehost/ProjectBreadcrumb.h"

#include <QStringList>
#include <QWidget>

namespace talmo {

class TNxPathControl;

// The project window as a page under test sees it: real side-pane controls
// and a real breadcrumb, never shown, and a record of every call in calls()
// ("showSidePane Properties", "setCurrentNodeText Name", ...).
// resetForNextPage() does what a breadcrumb selection does to the controls.
class FakeProjectWindowHost : public IProjectWindowHost
{
public:
    FakeProjectWindowHost();
    ~FakeProjectWindowHost() override;

    TNextInspector *inspector() override;
    void showSidePane(SidePane pane) override;
    QTextBrowser *helpViewer() override;
    QToolBar *helpToolBar() override;
    QAction *helpNavigation(HelpNavigation button) override;
    TNxEdit *helpSearchEdit() override;
    TNxButton *helpNextButton() override;
    void setHelpHtml(const QStringList &lines) override;
    QComboBox *objectsDropDown() override;
    void setCurrentNodeText(const QString &text) override;
    void refreshModuleNodeCaption() override;
    void setRegistrySectionNodes(const QStringList &captions) override;
    void openRegistrySection(int index) override;
    QObject *pageContext() override;

    // Test side.
    const QStringList &calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    SidePane sidePane() const { return m_sidePane; }
    ProjectBreadcrumb &breadcrumb() { return m_breadcrumb; }
    TNxPathControl *pathControl() const { return m_pathControl; }
    // The CAB creator module's node, which setRegistrySectionNodes fills;
    // made by the first call when the test did not add modules itself.
    void setCabCreatorComponent(int componentIndex) { m_cabCreatorComponent = componentIndex; }
    void resetForNextPage();

private:
    void record(const QString &call) { m_calls.append(call); }

    QWidget m_window;
    HostedPageControls m_controls;
    TNxPathControl *m_pathControl;
    ProjectBreadcrumb m_breadcrumb;
    SidePane m_sidePane = SidePane::Options;
    int m_cabCreatorComponent = 0;
    QStringList m_calls;
};

} // namespace talmo

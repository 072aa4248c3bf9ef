#include "pagehost/FakeProjectWindowHost.h"

#include "widgets/NxPathControl.h"
#include "widgets/NxPathNodes.h"

namespace talmo {

namespace {

QString sidePaneName(SidePane pane)
{
    switch (pane) {
    case SidePane::Options: return QStringLiteral("Options");
    case SidePane::Properties: return QStringLiteral("Properties");
    case SidePane::PropertiesAndHelp: return QStringLiteral("PropertiesAndHelp");
    case SidePane::Helper: return QStringLiteral("Helper");
    }
    return {};
}

} // namespace

FakeProjectWindowHost::FakeProjectWindowHost()
    : m_controls(&m_window)
    , m_pathControl(new TNxPathControl(&m_window))
    , m_breadcrumb(m_pathControl)
{
}

FakeProjectWindowHost::~FakeProjectWindowHost() = default;

TNextInspector *FakeProjectWindowHost::inspector()
{
    return m_controls.inspector();
}

void FakeProjectWindowHost::showSidePane(SidePane pane)
{
    m_sidePane = pane;
    record(QStringLiteral("showSidePane ") + sidePaneName(pane));
}

QTextBrowser *FakeProjectWindowHost::helpViewer()
{
    return m_controls.helpViewer();
}

QToolBar *FakeProjectWindowHost::helpToolBar()
{
    return m_controls.helpToolBar();
}

QAction *FakeProjectWindowHost::helpNavigation(HelpNavigation button)
{
    return m_controls.helpNavigation(button);
}

TNxEdit *FakeProjectWindowHost::helpSearchEdit()
{
    return m_controls.helpSearchEdit();
}

TNxButton *FakeProjectWindowHost::helpNextButton()
{
    return m_controls.helpNextButton();
}

void FakeProjectWindowHost::setHelpHtml(const QStringList &lines)
{
    m_controls.setHelpHtml(lines);
    record(QStringLiteral("setHelpHtml %1 lines").arg(lines.size()));
}

QComboBox *FakeProjectWindowHost::objectsDropDown()
{
    return m_controls.objectsDropDown();
}

void FakeProjectWindowHost::setCurrentNodeText(const QString &text)
{
    if (TNxPathNode *node = m_breadcrumb.selected())
        node->setText(text);
    record(QStringLiteral("setCurrentNodeText ") + text);
}

void FakeProjectWindowHost::refreshModuleNodeCaption()
{
    record(QStringLiteral("refreshModuleNodeCaption"));
}

void FakeProjectWindowHost::setRegistrySectionNodes(const QStringList &captions)
{
    TNxPathNode *module = m_breadcrumb.moduleNode(m_cabCreatorComponent);
    if (!module) {
        m_breadcrumb.rebuild({{m_cabCreatorComponent, QStringLiteral("CAB Creator")}}, {});
        module = m_breadcrumb.moduleNode(m_cabCreatorComponent);
    }
    m_breadcrumb.setRegistrySectionNodes(module, captions);
    record(QStringLiteral("setRegistrySectionNodes ") + captions.join(QLatin1Char('|')));
}

void FakeProjectWindowHost::openRegistrySection(int index)
{
    record(QStringLiteral("openRegistrySection %1").arg(index));
}

QObject *FakeProjectWindowHost::pageContext()
{
    return m_controls.pageContext();
}

void FakeProjectWindowHost::resetForNextPage()
{
    m_controls.reset();
    m_sidePane = SidePane::Options;
}

} // namespace talmo

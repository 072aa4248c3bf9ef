#include "pagehost/HostedPageControls.h"

#include "helpers/ui/HelpViewerFont.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButton.h"
#include "widgets/NxEdit.h"
#include "widgets/NxPropertyItems.h"
#include "widgets/NxTextItem.h"

#include <QApplication>
#include <QComboBox>
#include <QTextBrowser>
#include <QToolBar>

namespace talmo {

HostedPageControls::HostedPageControls(QWidget *parent)
    : QObject(parent)
    , m_inspector(new TNextInspector(parent))
    , m_helpViewer(new QTextBrowser(parent))
    , m_helpToolBar(new QToolBar(parent))
    , m_helpHome(m_helpToolBar->addAction(QStringLiteral("Home")))
    , m_helpBack(m_helpToolBar->addAction(QStringLiteral("Back")))
    , m_helpForward(m_helpToolBar->addAction(QStringLiteral("Forward")))
    , m_helpSearchEdit(new TNxEdit(m_helpToolBar))
    , m_helpNextButton(new TNxButton(m_helpToolBar))
    , m_objectsDropDown(new QComboBox(parent))
{
    m_inspector->setObjectName(QStringLiteral("NextInspector1"));
    m_inspector->setFitsCaptions(true);
    m_helpViewer->setObjectName(QStringLiteral("mainHelper"));
    FitHelpViewerFont(*m_helpViewer);
    m_helpHome->setObjectName(QStringLiteral("ToolButton1"));
    m_helpBack->setObjectName(QStringLiteral("ToolButton3"));
    m_helpForward->setObjectName(QStringLiteral("ToolButton4"));
    m_helpSearchEdit->setObjectName(QStringLiteral("NxEdit1"));
    m_helpNextButton->setObjectName(QStringLiteral("NxButton1"));
    m_helpNextButton->setText(QStringLiteral("Next"));
    m_helpToolBar->addWidget(m_helpSearchEdit);
    m_helpToolBar->addWidget(m_helpNextButton);
    m_objectsDropDown->setObjectName(QStringLiteral("ObjectsDropDown"));
    reset();
}

QAction *HostedPageControls::helpNavigation(HelpNavigation button) const
{
    switch (button) {
    case HelpNavigation::Home: return m_helpHome;
    case HelpNavigation::Back: return m_helpBack;
    case HelpNavigation::Forward: return m_helpForward;
    }
    return nullptr;
}

void HostedPageControls::setHelpHtml(const QStringList &lines)
{
    m_helpViewer->clear();
    m_helpViewer->setHtml(lines.join(QLatin1Char('\n')));
}

QObject *HostedPageControls::pageContext()
{
    if (!m_pageContext)
        m_pageContext = new QObject(this);
    return m_pageContext;
}

void HostedPageControls::reset()
{
    delete m_pageContext;
    m_inspector->items()->clear();
    m_inspector->items()->addChild<TNxTextItem>(nullptr, QStringLiteral("Nothing to show..."));
    m_helpViewer->clear();
    m_helpViewer->setContextMenuPolicy(Qt::DefaultContextMenu);
    m_helpViewer->setOpenLinks(true);
    m_objectsDropDown->clear();
    m_objectsDropDown->hide();
    // A search that found nothing colours the edit; the next page starts a fresh search.
    m_helpSearchEdit->clear();
    m_helpSearchEdit->setPalette(QApplication::palette(m_helpSearchEdit));
    m_helpToolBar->hide();
}

} // namespace talmo

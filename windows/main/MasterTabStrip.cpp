#include "windows/main/MasterTabStrip.h"

#include "model/ProjectContainer.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"
#include "windows/main/MasterTabs.h"
#include "windows/main/OpenProjectFiles.h"
#include "windows/main/WelcomePage.h"
#include "windows/project/TprojectForm.h"

#include <QVBoxLayout>

namespace talmo {

namespace {

TNxTabSheet *TabOf(const TprojectForm *form)
{
    return qobject_cast<TNxTabSheet *>(form->parentWidget());
}

// The tab's only child fills it edge to edge.
void Fill(TNxTabSheet *tab, QWidget *content)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

} // namespace

MasterTabStrip::MasterTabStrip()
{
    m_pages = new TNxPageControl;
    m_pages->setObjectName(QStringLiteral("ProjectPages"));
    m_pages->setOptions(m_pages->options() | pgCloseButton);
    m_welcomePage = new WelcomePage;
    m_welcomeTab = new TNxTabSheet;
    m_welcomeTab->setObjectName(QStringLiteral("pagWelcome"));
    m_welcomeTab->setCaption(QStringLiteral("Welcome"));
    Fill(m_welcomeTab, m_welcomePage);
    m_pages->addPage(m_welcomeTab, true);
    m_pages->setActivePage(m_welcomeTab);
}

MasterTabStrip::~MasterTabStrip()
{
    // The Welcome tab may be out of the list, where nothing else frees it.
    delete m_welcomeTab;
}

int MasterTabStrip::count() const
{
    return m_pages->getPageCount();
}

TprojectForm *MasterTabStrip::formAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_pages->getPage(index)->findChild<TprojectForm *>(QString(), Qt::FindDirectChildrenOnly);
}

TprojectForm *MasterTabStrip::activeForm() const
{
    return m_pages->activePage() ? formAt(activeIndex()) : nullptr;
}

int MasterTabStrip::activeIndex() const
{
    return m_pages->activePageIndex();
}

OpenProjectFiles MasterTabStrip::files() const
{
    QStringList fileNames;
    for (int index = 0; index < count(); ++index) {
        TprojectForm *form = formAt(index);
        fileNames.append(form ? form->project().FileName : QString());
    }
    return OpenProjectFiles(fileNames);
}

MasterTabs MasterTabStrip::state() const
{
    MasterTabs tabs;
    tabs.count = count();
    tabs.welcome = m_welcomeTab ? m_pages->indexOfPage(m_welcomeTab) : -1;
    tabs.activeIsWelcome = m_pages->activePage() && m_pages->activePage() == m_welcomeTab;
    tabs.activeHoldsProject = activeForm();
    return tabs;
}

TprojectForm *MasterTabStrip::add(const std::function<TprojectForm *(QWidget *tab)> &make)
{
    auto *tab = new TNxTabSheet;
    tab->setCaption(QStringLiteral("No Project Loaded"));
    TprojectForm *form = make(tab);
    Fill(tab, form);
    // The tip tells projects of one file name apart by their folder.
    QObject::connect(form, &TprojectForm::tabCaptionChanged, tab, [tab, form](const QString &caption) {
        tab->setCaption(caption);
        tab->setTabHint(form->project().GetFileName());
    });
    m_pages->addPage(tab, true);
    m_pages->setActivePage(tab);
    return form;
}

void MasterTabStrip::close(TprojectForm *form)
{
    m_pages->deletePage(TabOf(form));
}

void MasterTabStrip::setCaption(TprojectForm *form, const QString &caption)
{
    TabOf(form)->setCaption(caption);
    TabOf(form)->setTabHint(form->project().GetFileName());
}

bool MasterTabStrip::activate(const QString &fileName)
{
    const int index = files().tabOf(fileName);
    if (index >= 0)
        m_pages->setActivePage(m_pages->getPage(index));
    return index >= 0;
}

void MasterTabStrip::showWelcome()
{
    if (m_pages->indexOfPage(m_welcomeTab) >= 0)
        return;
    m_pages->insertPage(0, m_welcomeTab);
    m_pages->setActivePage(m_welcomeTab);
}

void MasterTabStrip::takeOutWelcome()
{
    const int index = m_pages->indexOfPage(m_welcomeTab);
    if (index < 0)
        return;
    // Only out of the list: the tab is kept for "Show Welcome Page".
    static_cast<TNxCustomNotebook *>(m_pages)->removePage(m_welcomeTab);
    m_welcomeTab->hide();
    m_pages->setActivePageIndex(MasterTabs::ActiveAfterTakingOut(index, count()));
}

} // namespace talmo

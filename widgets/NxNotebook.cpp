#include "widgets/NxNotebook.h"

#include "widgets/InvalidOperation.h"
#include "widgets/ListIndexOutOfBounds.h"
#include "widgets/NxTabSheet.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcutEvent>

namespace talmo {

namespace {

QString plainClassName(const QObject *object)
{
    const QString name = QString::fromLatin1(object->metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

} // namespace

TNxCustomNotebook::TNxCustomNotebook(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(300, 250);
}

TNxCustomNotebook::~TNxCustomNotebook()
{
    m_destroying = true;
    while (!m_pages.isEmpty())
        delete m_pages.takeLast();
}

TNxTabSheet *TNxCustomNotebook::getPage(int index) const
{
    if (index < 0 || index >= m_pages.size())
        throw ListIndexOutOfBounds(index);
    return m_pages.at(index);
}

void TNxCustomNotebook::setActivePage(TNxTabSheet *page)
{
    if (m_destroying || page == m_activePage)
        return;
    if (page && page->notebook() != this)
        return;
    changeActivePage(page);
}

void TNxCustomNotebook::changeActivePage(TNxTabSheet *page)
{
    const int newIndex = page ? indexOfPage(page) : -1;
    bool allowChange = true;
    if (!m_loading)
        doChanging(newIndex, allowChange);
    if (!allowChange)
        return;

    int oldIndex = -1;
    if (m_activePage) {
        m_activePage->hide();
        m_activePage->doHide();
        oldIndex = indexOfPage(m_activePage);
    }
    m_activePage = page;
    if (page) {
        if (page->pageVisible()) {
            page->setGeometry(pageArea());
            page->show();
            page->doShow();
            page->m_zOrderGuard = true;
            page->raise();
            page->m_zOrderGuard = false;
        }
        m_activePageIndex = newIndex;
        if (newIndex >= 0 && newIndex < m_pages.size()) {
            activePageChanged();
            invalidateTab(newIndex);
        }
    }
    if (oldIndex >= 0)
        invalidateTab(oldIndex);
    if (!m_loading)
        doChange();
}

void TNxCustomNotebook::setActivePageIndex(int index)
{
    if (index >= 0 && index < m_pages.size())
        setActivePage(m_pages.at(index));
}

void TNxCustomNotebook::linkPage(TNxTabSheet *page)
{
    page->m_notebook = this;
    if (page->parentTabFont())
        page->takeNotebookFont(font());
}

void TNxCustomNotebook::addPage(TNxTabSheet *page, bool setParent)
{
    if (!page || page->notebook() == this)
        return;
    m_pages.append(page);
    if (setParent)
        page->setParent(this);
    linkPage(page);
    if (page->caption().isEmpty())
        page->setCaption(page->objectName());
    page->setGeometry(pageArea());
    // Only the active page shows; a page added behind it would otherwise be
    // shown with the notebook and cover it.
    if (page != m_activePage)
        page->hide();
    pagesChanged();
}

void TNxCustomNotebook::insertPage(int index, TNxTabSheet *page)
{
    if (!page || page->notebook() == this)
        return;
    m_pages.insert(qBound(0, index, int(m_pages.size())), page);
    page->setParent(this);
    linkPage(page);
    if (m_activePage)
        m_activePageIndex = indexOfPage(m_activePage);
    setActivePage(page);
    pagesChanged();
}

void TNxCustomNotebook::deletePage(TNxTabSheet *page)
{
    delete page;
}

void TNxCustomNotebook::removePage(TNxTabSheet *page)
{
    if (!m_pages.removeOne(page))
        return;
    page->m_notebook = nullptr;
    if (m_activePage && m_activePage != page)
        m_activePageIndex = indexOfPage(m_activePage);
    pagesChanged();
}

void TNxCustomNotebook::pageDestroyed(TNxTabSheet *page)
{
    // A page being freed must never stay the active page, whatever the
    // handlers of the following change answer.
    const bool wasActive = m_activePage == page;
    if (wasActive)
        m_activePage = nullptr;
    removePage(page);
    if (m_destroying)
        return;
    if (m_pages.isEmpty()) {
        if (wasActive || m_activePage)
            changeActivePage(nullptr);
    } else if (wasActive) {
        changeActivePage(m_pages.first());
    }
}

void TNxCustomNotebook::insertControl(QObject *control)
{
    auto *page = qobject_cast<TNxTabSheet *>(control);
    if (!page) {
        throw InvalidOperation(QStringLiteral("Cannot insert %1 into %2")
                                   .arg(plainClassName(control), plainClassName(this)));
    }
    addPage(page, true);
}

void TNxCustomNotebook::movePage(TNxTabSheet *page, int newIndex)
{
    const int oldIndex = indexOfPage(page);
    if (oldIndex < 0)
        return;
    m_pages.move(oldIndex, qBound(0, newIndex, int(m_pages.size()) - 1));
    if (m_activePage)
        m_activePageIndex = indexOfPage(m_activePage);
    pagesChanged();
}

QRect TNxCustomNotebook::pageArea() const
{
    return rect();
}

void TNxCustomNotebook::invalidateTab(int)
{
}

void TNxCustomNotebook::doChange()
{
    emit change();
}

void TNxCustomNotebook::doChanging(int pageIndex, bool &allowChange)
{
    emit changing(pageIndex, allowChange);
}

void TNxCustomNotebook::doPageClose(int pageIndex, bool &accept)
{
    emit pageClose(pageIndex, accept);
}

void TNxCustomNotebook::sheetRestacked(TNxTabSheet *page)
{
    QWidget *top = nullptr;
    for (QObject *child : children()) {
        if (auto *widget = qobject_cast<QWidget *>(child); widget && !widget->isWindow())
            top = widget;
    }
    if (top == page)
        setActivePage(page);
    else if (page == m_activePage)
        setActivePage(qobject_cast<TNxTabSheet *>(top));
}

void TNxCustomNotebook::updateMnemonics()
{
    for (auto it = m_mnemonics.cbegin(); it != m_mnemonics.cend(); ++it)
        releaseShortcut(it.key());
    m_mnemonics.clear();
    for (TNxTabSheet *page : std::as_const(m_pages)) {
        const QKeySequence key = QKeySequence::mnemonic(page->caption());
        if (!key.isEmpty())
            m_mnemonics.insert(grabShortcut(key), page);
    }
}

bool TNxCustomNotebook::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        if (TNxTabSheet *page = m_mnemonics.value(static_cast<QShortcutEvent *>(event)->shortcutId())) {
            setActivePage(page);
            return true;
        }
    }
    return QWidget::event(event);
}

void TNxCustomNotebook::pagesChanged()
{
    updateMnemonics();
    layoutPages();
    update();
}

void TNxCustomNotebook::layoutPages()
{
    const QRect area = pageArea();
    for (TNxTabSheet *page : std::as_const(m_pages)) {
        if (page->parentWidget() == this)
            page->setGeometry(area);
    }
}

void TNxCustomNotebook::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPages();
}

void TNxCustomNotebook::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        for (TNxTabSheet *page : std::as_const(m_pages)) {
            if (page->parentTabFont())
                page->takeNotebookFont(font());
        }
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace talmo

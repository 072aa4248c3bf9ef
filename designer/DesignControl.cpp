#include "designer/DesignControl.h"

#include "helpers/core/ComponentTextSyntax.h"
#include "helpers/core/ScriptText.h"

#include <QEvent>
#include <QPointer>

#include <algorithm>

namespace talmo {

TDesignControl::TDesignControl(QWidget *parent)
    : QWidget(parent)
{
}

TDesignControl::~TDesignControl()
{
    if (m_owner)
        m_owner->removeComponent(this);
    destroyComponents();
}

const DesignPropertyTable &TDesignControl::propertyTable()
{
    using Form = DesignValueForm;
    static const DesignPropertyTable table(staticMetaObject, {
        {QStringLiteral("Tag"), Form::Integer, 0},
        {QStringLiteral("Left"), Form::Integer},
        {QStringLiteral("Top"), Form::Integer},
        {QStringLiteral("Width"), Form::Integer},
        {QStringLiteral("Height"), Form::Integer},
        {QStringLiteral("Cursor"), Form::Cursor, 0},
        {QStringLiteral("Hint"), Form::String, QString()},
    });
    return table;
}

void TDesignControl::setName(const QString &name)
{
    const TRenameVerdict verdict = rename(name);
    if (!verdict.accepted)
        emit nameRefused(verdict.message);
}

TRenameVerdict TDesignControl::rename(const QString &newName)
{
    if (newName == m_name)
        return TRenameVerdict::accept();
    // The owner's hook speaks first, so an owner with rules of its own (a
    // designer) gives its own answers, also about an empty name.
    if (m_owner && m_owner->m_renameHook && !m_loading) {
        const TRenameVerdict verdict = m_owner->m_renameHook(*this, newName);
        if (!verdict.accepted)
            return verdict;
    }
    if (!newName.isEmpty() && (!ComponentTextSyntax::isName(newName) || ComponentTextSyntax::isKeyword(newName)))
        return TRenameVerdict::refuse(QStringLiteral("\"%1\" is not a valid component name").arg(newName));
    if (m_owner && !newName.isEmpty()) {
        const TDesignControl *holder = m_owner->findComponent(newName);
        if (holder && holder != this)
            return TRenameVerdict::refuse(QStringLiteral("A component named %1 already exists").arg(newName));
    }
    const QString oldName = m_name;
    m_name = newName;
    setObjectName(newName);
    emit renamed(oldName, newName);
    return TRenameVerdict::accept();
}

void TDesignControl::insertComponent(TDesignControl *component)
{
    if (!component || component->m_owner == this)
        return;
    if (component->m_owner)
        component->m_owner->removeComponent(component);
    component->m_owner = this;
    m_components.append(component);
    if (m_designing)
        component->setDesigning(true);
}

void TDesignControl::removeComponent(TDesignControl *component)
{
    if (!component || component->m_owner != this)
        return;
    m_components.removeOne(component);
    component->m_owner = nullptr;
}

TDesignControl *TDesignControl::findComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    const auto found = std::find_if(m_components.cbegin(), m_components.cend(),
                                    [&](const TDesignControl *component) { return AsciiSameText(component->m_name, name); });
    return found == m_components.cend() ? nullptr : *found;
}

// Destroying a component may destroy others it holds as children; each
// leaves the list as it goes.
void TDesignControl::destroyComponents()
{
    while (!m_components.isEmpty()) {
        TDesignControl *last = m_components.takeLast();
        last->m_owner = nullptr;
        delete last;
    }
}

void TDesignControl::setLeft(int left)
{
    move(left, y());
    boundsChanged();
}

void TDesignControl::setTop(int top)
{
    move(x(), top);
    boundsChanged();
}

int TDesignControl::width() const
{
    return m_width < 0 && QWidget::width() == 0 ? m_width : QWidget::width();
}

void TDesignControl::setWidth(int width)
{
    m_width = width;
    resize(std::max(width, 0), QWidget::height());
    boundsChanged();
}

int TDesignControl::height() const
{
    return m_height < 0 && QWidget::height() == 0 ? m_height : QWidget::height();
}

void TDesignControl::setHeight(int height)
{
    m_height = height;
    resize(QWidget::width(), std::max(height, 0));
    boundsChanged();
}

void TDesignControl::setBounds(int left, int top, int width, int height)
{
    m_width = width;
    m_height = height;
    setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    boundsChanged();
}

void TDesignControl::bringToFront()
{
    if (!parentWidget())
        return;
    if (!isWindowless()) {
        raise();
        return;
    }
    if (TDesignControl *below = topWindowlessSibling())
        stackAbove(below);
    else
        lower();
}

void TDesignControl::sendToBack()
{
    if (!parentWidget())
        return;
    if (isWindowless()) {
        lower();
        return;
    }
    if (TDesignControl *below = topWindowlessSibling())
        stackAbove(below);
    else
        lower();
}

bool TDesignControl::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange && isWindowless())
        bringToFront();
    return QWidget::event(event);
}

TDesignControl *TDesignControl::topWindowlessSibling() const
{
    TDesignControl *top = nullptr;
    for (QObject *sibling : parentWidget()->children()) {
        auto *control = qobject_cast<TDesignControl *>(sibling);
        if (control && control != this && control->isWindowless())
            top = control;
    }
    return top;
}

// Qt's children() runs back to front, and raise/lower/stackUnder reorder it.
void TDesignControl::stackAbove(QWidget *below)
{
    const QObjectList &siblings = parentWidget()->children();
    for (qsizetype index = siblings.indexOf(below) + 1; index < siblings.size(); ++index) {
        auto *next = qobject_cast<QWidget *>(siblings.at(index));
        if (next && next != this) {
            stackUnder(next);
            return;
        }
    }
    raise();
}

void TDesignControl::setDesigning(bool designing, bool withOwned)
{
    if (m_designing != designing) {
        m_designing = designing;
        designingChanged();
    }
    if (!withOwned)
        return;
    const QList<QPointer<TDesignControl>> owned(m_components.cbegin(), m_components.cend());
    for (const QPointer<TDesignControl> &component : owned) {
        if (component)
            component->setDesigning(designing);
    }
}

void TDesignControl::endLoading()
{
    m_loading = false;
    loaded();
}

} // namespace talmo

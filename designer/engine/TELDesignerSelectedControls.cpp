#include "designer/engine/TELDesignerSelectedControls.h"

#include "designer/DesignControl.h"
#include "designer/engine/EELDesigner.h"
#include "designer/engine/TELDesigner.h"
#include "model/ListIndexError.h"

namespace talmo {

TELDesignerSelectedControls::TELDesignerSelectedControls(TELDesigner &designer)
    : QObject(&designer),
      m_designer(designer)
{
}

TELDesignerSelectedControls::~TELDesignerSelectedControls()
{
    m_destroying = true;
    while (!m_items.isEmpty())
        removeAt(int(m_items.size()) - 1);
}

int TELDesignerSelectedControls::Add(TDesignControl *control)
{
    checkActive();
    const int existing = IndexOf(control);
    if (existing >= 0)
        return existing;
    if (!control || !m_designer.IsDesignable(control))
        throw EELDesigner(EELDesigner::cannotSelect(control ? control->name() : QString()));
    appendEntry(control);
    change();
    return int(m_items.size()) - 1;
}

void TELDesignerSelectedControls::Clear()
{
    SelectOnly(nullptr);
}

TDesignControl *TELDesignerSelectedControls::GetItem(int index) const
{
    return Entry(index).control;
}

const TDSelCtrlItem &TELDesignerSelectedControls::Entry(int index) const
{
    if (index < 0 || index >= m_items.size())
        throw ListIndexError(index, int(m_items.size()));
    return m_items.at(index);
}

int TELDesignerSelectedControls::IndexOf(const TDesignControl *control) const
{
    if (!Contains(control))
        return -1;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).control == control)
            return i;
    }
    return -1;
}

bool TELDesignerSelectedControls::Contains(const TDesignControl *control) const
{
    return m_members.contains(static_cast<const QObject *>(control));
}

TDesignControl *TELDesignerSelectedControls::Last() const
{
    return m_items.isEmpty() ? nullptr : m_items.last().control;
}

QList<TDesignControl *> TELDesignerSelectedControls::Controls() const
{
    QList<TDesignControl *> controls;
    for (const TDSelCtrlItem &item : m_items)
        controls.append(item.control);
    return controls;
}

void TELDesignerSelectedControls::Remove(TDesignControl *control)
{
    const int index = IndexOf(control);
    if (index >= 0)
        Delete(index);
}

void TELDesignerSelectedControls::Delete(int index)
{
    Entry(index);
    removeAt(index);
    change();
}

void TELDesignerSelectedControls::SelectOnly(TDesignControl *control)
{
    if (!m_destroying)
        checkActive();
    BeginUpdate();
    const int index = IndexOf(control);
    for (int i = 0; i < index; ++i)
        Delete(0);
    while (m_items.size() > 1)
        Delete(int(m_items.size()) - 1);
    if (!m_items.isEmpty() && m_items.first().control != control)
        Delete(0);
    if (m_items.isEmpty() && control)
        Add(control);
    EndUpdate();
}

void TELDesignerSelectedControls::SelectList(const QList<TDesignControl *> &controls)
{
    BeginUpdate();
    for (int i = int(m_items.size()) - 1; i >= 0; --i) {
        if (!controls.contains(m_items.at(i).control))
            Delete(i);
    }
    for (TDesignControl *control : controls)
        Add(control);
    EndUpdate();
}

void TELDesignerSelectedControls::KeepParent(const QWidget *parent)
{
    BeginUpdate();
    for (int i = int(m_items.size()) - 1; i >= 0; --i) {
        if (m_items.at(i).control->parentWidget() != parent)
            Delete(i);
    }
    EndUpdate();
}

void TELDesignerSelectedControls::SelectAll()
{
    checkActive();
    BeginUpdate();
    Add(m_root);
    addDesignable(m_root);
    EndUpdate();
}

void TELDesignerSelectedControls::addDesignable(QWidget *container)
{
    for (QObject *child : container->children()) {
        auto *control = qobject_cast<TDesignControl *>(child);
        if (!control)
            continue;
        if (m_designer.IsDesignable(control))
            Add(control);
        addDesignable(control);
    }
}

void TELDesignerSelectedControls::BeginUpdate()
{
    ++m_updateCount;
}

void TELDesignerSelectedControls::EndUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0 && m_changedWhileUpdating)
        notifyChange();
}

void TELDesignerSelectedControls::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    recomputeModes();
}

void TELDesignerSelectedControls::SetActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit handlesChanged();
}

void TELDesignerSelectedControls::SetRoot(TDesignControl *root)
{
    if (m_root == root)
        return;
    m_root = root;
    recomputeModes();
}

void TELDesignerSelectedControls::SetPressedHandle(int index, int position)
{
    if (index >= 0 && index < m_items.size())
        m_items[index].pressedHandle = position;
}

void TELDesignerSelectedControls::checkActive() const
{
    if (!m_designer.Active())
        throw EELDesigner(EELDesigner::mustBeActive());
}

// A destroyed control leaves the selection on its own.
void TELDesignerSelectedControls::forget(QObject *control)
{
    if (!m_members.remove(control))
        return;
    for (int i = int(m_items.size()) - 1; i >= 0; --i) {
        if (static_cast<QObject *>(m_items.at(i).control) == control)
            m_items.removeAt(i);
    }
    change();
}

void TELDesignerSelectedControls::appendEntry(TDesignControl *control)
{
    m_items.append(TDSelCtrlItem{control});
    m_members.insert(static_cast<const QObject *>(control));
    connect(control, &QObject::destroyed, this, &TELDesignerSelectedControls::forget);
}

void TELDesignerSelectedControls::removeAt(int index)
{
    TDesignControl *control = m_items.takeAt(index).control;
    m_members.remove(static_cast<const QObject *>(control));
    disconnect(control, &QObject::destroyed, this, &TELDesignerSelectedControls::forget);
}

void TELDesignerSelectedControls::change()
{
    if (m_updateCount > 0)
        m_changedWhileUpdating = true;
    else
        notifyChange();
}

void TELDesignerSelectedControls::notifyChange()
{
    m_changedWhileUpdating = false;
    if (m_destroying)
        return;
    recomputeModes();
    emit changed();
}

void TELDesignerSelectedControls::recomputeModes()
{
    const int single = m_items.size() == 1 ? 1 : 2;
    for (TDSelCtrlItem &item : m_items)
        item.mode = (!m_visible || item.control == m_root) ? 0 : single;
    emit handlesChanged();
}

} // namespace talmo

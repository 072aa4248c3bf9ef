#include "designer/controls/CheckListItems.h"

#include <algorithm>

namespace talmo {

TCheckListItems::Item TCheckListItems::item(Kind kind, const QString &caption, const QString &subItem, int level,
                                            bool checked, bool enabled, QObject *object)
{
    Item item;
    item.kind = kind;
    item.level = level;
    item.state = checked ? Checked : Unchecked;
    item.enabled = enabled;
    item.caption = caption;
    item.subItem = subItem;
    item.object = object;
    return item;
}

int TCheckListItems::AddCheckBox(const QString &caption, const QString &subItem, int level, bool checked,
                                 bool enabled, bool hasInternalChildren, bool checkWhenParentChecked, QObject *object)
{
    Item box = item(CheckBox, caption, subItem, level, checked, enabled, object);
    box.hasInternalChildren = hasInternalChildren;
    box.checkWhenParentChecked = checkWhenParentChecked;
    return add(std::move(box));
}

int TCheckListItems::AddGroup(const QString &caption, const QString &subItem, int level, QObject *object)
{
    return add(item(Group, caption, subItem, level, false, true, object));
}

int TCheckListItems::AddRadioButton(const QString &caption, const QString &subItem, int level, bool checked,
                                    bool enabled, QObject *object)
{
    return add(item(RadioButton, caption, subItem, level, checked, enabled, object));
}

// Levels are bytes: what lies outside is brought inside rather than refused.
int TCheckListItems::add(Item item)
{
    item.level = std::clamp(item.level, 0, 255);
    m_items.append(std::move(item));
    return count() - 1;
}

int TCheckListItems::parentOf(int index) const
{
    const int level = m_items.at(index).level;
    for (int above = index - 1; above >= 0; --above) {
        if (m_items.at(above).level < level)
            return above;
    }
    return -1;
}

QList<int> TCheckListItems::childrenOf(int index) const
{
    QList<int> children;
    const int level = index < 0 ? -1 : m_items.at(index).level;
    for (int below = index + 1; below < count() && m_items.at(below).level > level; ++below) {
        if (children.isEmpty() || m_items.at(below).level <= m_items.at(children.constFirst()).level)
            children.append(below);
    }
    return children;
}

QList<int> TCheckListItems::radioGroupOf(int index) const
{
    QList<int> group{index};
    const int level = m_items.at(index).level;
    for (const int step : {-1, 1}) {
        for (int other = index + step; other >= 0 && other < count() && m_items.at(other).level >= level;
             other += step) {
            if (m_items.at(other).level != level)
                continue;
            if (m_items.at(other).kind != RadioButton)
                break;
            group.append(other);
        }
    }
    std::sort(group.begin(), group.end());
    return group;
}

bool TCheckListItems::groupHasChecked(int index) const
{
    const QList<int> group = radioGroupOf(index);
    return std::any_of(group.cbegin(), group.cend(), [this](int member) { return m_items.at(member).state == Checked; });
}

bool TCheckListItems::setItemState(int index, State state)
{
    if (m_items.at(index).state == state)
        return false;
    m_items[index].state = state;
    return true;
}

bool TCheckListItems::CheckItem(int index, TCheckItemOperation operation)
{
    if (index < 0 || index >= count() || m_items.at(index).kind == Group)
        return false;
    if (m_items.at(index).kind == RadioButton && operation == coUncheck)
        return false;
    bool changed = false;
    if (m_items.at(index).kind == RadioButton)
        changed |= uncheckRadioSiblings(index);
    changed |= recursiveCheck(index, operation);
    int below = index;
    for (int ancestor = parentOf(index); ancestor >= 0; below = ancestor, ancestor = parentOf(ancestor)) {
        if (m_items.at(below).state != Unchecked)
            changed |= fillRadioGroups(ancestor);
        if (m_items.at(ancestor).kind == Group)
            continue;
        const State state = stateFromChildren(ancestor, m_items.at(ancestor).state != Unchecked);
        if (m_items.at(ancestor).kind == RadioButton && state != Unchecked)
            changed |= uncheckRadioSiblings(ancestor);
        changed |= setItemState(ancestor, state);
    }
    return changed;
}

bool TCheckListItems::uncheckRadioSiblings(int index)
{
    bool changed = false;
    for (const int sibling : radioGroupOf(index)) {
        if (sibling != index && m_items.at(sibling).state != Unchecked)
            changed |= recursiveCheck(sibling, coUncheck);
    }
    return changed;
}

bool TCheckListItems::recursiveCheck(int index, TCheckItemOperation operation)
{
    bool changed = false;
    for (const int child : childrenOf(index)) {
        const Item &item = m_items.at(child);
        if (!item.enabled || item.kind == Group)
            continue;
        const bool follows = operation == coUncheck || item.kind == RadioButton
                             || (operation == coCheckWithChildren && item.checkWhenParentChecked);
        if (!follows)
            continue;
        if (item.kind == RadioButton && operation != coUncheck && item.state == Unchecked && groupHasChecked(child))
            continue;
        changed |= recursiveCheck(child, operation);
    }
    return setItemState(index, stateFromChildren(index, operation != coUncheck)) || changed;
}

TCheckListItems::State TCheckListItems::stateFromChildren(int index, bool self) const
{
    bool hasUnchecked = false;
    bool hasChecked = false;
    bool hasCheckable = false;
    for (const int child : childrenOf(index)) {
        const Item &item = m_items.at(child);
        if (item.kind == Group)
            continue;
        hasCheckable = true;
        if (item.state == Grayed) {
            hasUnchecked = hasChecked = true;
        } else if (item.state == Checked) {
            hasChecked = true;
        } else if (item.kind != RadioButton || !groupHasChecked(child)) {
            hasUnchecked = true;
        }
    }
    const Item &item = m_items.at(index);
    if (item.kind == CheckBox && hasCheckable && !hasChecked && !item.hasInternalChildren)
        self = false;
    if (!self && !hasChecked)
        return Unchecked;
    if (hasUnchecked && item.kind == CheckBox)
        return Grayed;
    return Checked;
}

// Each enabled radio group among the direct children without a checked
// button gets its first enabled button checked.
bool TCheckListItems::fillRadioGroups(int parent)
{
    bool changed = false;
    for (const int child : childrenOf(parent)) {
        const Item &item = m_items.at(child);
        if (item.kind == RadioButton && item.enabled && !groupHasChecked(child))
            changed |= setItemState(child, Checked);
    }
    return changed;
}

bool TCheckListItems::toggle(int index)
{
    if (index < 0 || index >= count())
        return false;
    switch (m_items.at(index).kind) {
    case CheckBox:
        if (m_items.at(index).state == Checked)
            return CheckItem(index, coUncheck);
        if (m_items.at(index).state == Grayed)
            return CheckItem(index, coCheckWithChildren) || CheckItem(index, coUncheck);
        return CheckItem(index, coCheckWithChildren);
    case RadioButton:
        return CheckItem(index, coCheckWithChildren);
    case Group:
        break;
    }
    return false;
}

void TCheckListItems::updateLines()
{
    for (Item &item : m_items) {
        item.lines.reset();
        item.lastChild = false;
    }
    for (int index = 0; index < count(); ++index) {
        const QList<int> children = childrenOf(index);
        if (children.isEmpty())
            continue;
        m_items[children.constLast()].lastChild = true;
        for (int below = index + 1; below <= children.constLast(); ++below)
            m_items[below].lines.set(std::size_t(m_items.at(index).level));
    }
}

} // namespace talmo

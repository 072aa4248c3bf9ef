#include "widgets/NxPropertyItems.h"

#include "platform/AnsiCodec.h"
#include "widgets/ListIndexOutOfBounds.h"

#include <algorithm>

namespace talmo {

namespace {

int indexIn(const std::vector<TNxPropertyItem *> &list, const TNxPropertyItem *item)
{
    auto it = std::find(list.begin(), list.end(), item);
    return it == list.end() ? -1 : int(it - list.begin());
}

void eraseFrom(std::vector<TNxPropertyItem *> &list, const TNxPropertyItem *item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

// Captions compare as the 8-bit text the rows were designed with.
QString sortKey(const QString &caption)
{
    return AnsiCodec::decode(AnsiCodec::encode(caption));
}

} // namespace

TNxPropertyItems::~TNxPropertyItems()
{
    m_itemCallback = nullptr;
    m_changeCallback = nullptr;
    clear();
}

TNxPropertyItem *TNxPropertyItems::addChild(TNxPropertyItem *parent,
                                            const std::function<std::unique_ptr<TNxPropertyItem>()> &make,
                                            const QString &caption)
{
    try {
        std::unique_ptr<TNxPropertyItem> item = make();
        item->m_caption = caption;
        if (!parent)
            item->m_readOnly = true;
        insertItem(item.get(), parent);
        return item.release();
    } catch (...) {
        return nullptr;
    }
}

int TNxPropertyItems::endOfSubtree(const std::vector<TNxPropertyItem *> &list, int index)
{
    const int level = list[index]->level();
    int last = index;
    while (last + 1 < int(list.size()) && list[last + 1]->level() > level)
        ++last;
    return last;
}

void TNxPropertyItems::insertItem(TNxPropertyItem *item, TNxPropertyItem *parent)
{
    item->m_items = this;
    if (parent) {
        item->m_parent = parent;
        item->m_level = parent->m_level + 1;
        item->m_inList = true;
        item->m_hidden = !item->m_visible || parent->m_hidden || !parent->m_expanded;
        parent->m_childCount++;
        const int parentAt = indexOf(parent);
        m_display.insert(m_display.begin() + endOfSubtree(m_display, parentAt) + 1, item);
        // A top-level parent is not in the by-name list: its rows go to the end.
        const int sortedParentAt = indexIn(m_byName, parent);
        const int sortedAt = sortedParentAt < 0 ? int(m_byName.size()) : endOfSubtree(m_byName, sortedParentAt) + 1;
        m_byName.insert(m_byName.begin() + sortedAt, item);
        if (parent->m_childCount == 1)
            parent->notify(TNxItemNotification::RowChanged);
    } else {
        item->m_parent = nullptr;
        item->m_level = 0;
        item->m_inList = true;
        item->m_hidden = !item->m_visible;
        m_display.push_back(item);
    }
    item->m_font = m_font;
    item->m_valueFont = item->m_font;
    if (!item->m_hidden)
        item->notify(TNxItemNotification::Inserted);
}

void TNxPropertyItems::clear()
{
    m_clearing = true;
    while (!m_display.empty())
        delete m_display.back();
    m_clearing = false;
    changed();
}

TNxPropertyItem *TNxPropertyItems::item(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexOutOfBounds(index);
    return m_display[index];
}

TNxPropertyItem *TNxPropertyItems::findByTag(int tag) const
{
    for (auto *item : m_display)
        if (item->tag() == tag)
            return item;
    return nullptr;
}

int TNxPropertyItems::indexOf(const TNxPropertyItem *item) const
{
    return indexIn(m_display, item);
}

int TNxPropertyItems::sortedIndexOf(const TNxPropertyItem *item) const
{
    return indexIn(m_byName, item);
}

int TNxPropertyItems::nodeIndexOf(const TNxPropertyItem *item) const
{
    return indexIn(itemsInUse(), item);
}

void TNxPropertyItems::setAssociate(QObject *object)
{
    m_associate = object;
    if (!object)
        return;
    for (auto *item : std::vector<TNxPropertyItem *>(m_display))
        if (item->enabled() && !item->mapProperty().isEmpty())
            item->readFromProperty();
}

bool TNxPropertyItems::isRowShown(const TNxPropertyItem *item) const
{
    return item->isShown() && !(item->level() == 0 && m_hideTopLevel);
}

std::vector<TNxPropertyItem *> TNxPropertyItems::shownRows() const
{
    std::vector<TNxPropertyItem *> rows;
    for (auto *item : itemsInUse())
        if (isRowShown(item))
            rows.push_back(item);
    return rows;
}

void TNxPropertyItems::deliver(TNxPropertyItem *item, TNxItemNotification kind, int index)
{
    if (m_itemCallback)
        m_itemCallback(item, kind, index);
}

void TNxPropertyItems::changed()
{
    if (m_changeCallback && !m_clearing)
        m_changeCallback();
}

void TNxPropertyItems::removeItem(TNxPropertyItem *item)
{
    // Descendants go first, last to first, each telling the inspector it is
    // gone, so no selected or edited descendant is left behind.
    const int at = indexOf(item);
    if (at >= 0) {
        for (int last = endOfSubtree(m_display, at); last > at; last = endOfSubtree(m_display, at))
            delete m_display[last];
    }
    eraseFrom(m_display, item);
    eraseFrom(m_byName, item);
    deliver(item, TNxItemNotification::Removed, -1);
    if (item->m_parent)
        item->m_parent->m_childCount--;
    changed();
    deliver(item, TNxItemNotification::Destroying, -1);
    item->m_items = nullptr;
    item->m_inList = false;
}

void TNxPropertyItems::resortByName(TNxPropertyItem *item)
{
    const int from = indexIn(m_byName, item);
    if (from < 0)
        return;
    const int to = endOfSubtree(m_byName, from);
    std::vector<TNxPropertyItem *> run(m_byName.begin() + from, m_byName.begin() + to + 1);
    m_byName.erase(m_byName.begin() + from, m_byName.begin() + to + 1);
    const QString key = sortKey(item->caption());
    auto place = std::find_if(m_byName.begin(), m_byName.end(), [&](const TNxPropertyItem *other) {
        return other->level() == 1 && QString::compare(sortKey(other->caption()), key, Qt::CaseSensitive) > 0;
    });
    m_byName.insert(place, run.begin(), run.end());
}

} // namespace talmo

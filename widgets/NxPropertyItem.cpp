#include "widgets/NxPropertyItem.h"

#include "widgets/NxPropertyBinding.h"
#include "widgets/NxPropertyItems.h"

namespace talmo {

TNxPropertyItem::TNxPropertyItem() = default;

TNxPropertyItem::~TNxPropertyItem()
{
    m_destroying = true;
    if (m_items)
        m_items->removeItem(this);
}

TNxPropertyItem *TNxPropertyItem::item(int index) const
{
    if (index < 0 || index >= m_childCount)
        throw ItemIndexOutOfBounds();
    if (!m_items)
        return nullptr;
    const auto &list = m_items->displayOrder();
    int seen = 0;
    for (int i = absoluteIndex() + 1; i < int(list.size()) && list[i]->level() > m_level; ++i) {
        if (list[i]->level() != m_level + 1)
            continue;
        if (seen == index)
            return list[i];
        ++seen;
    }
    return nullptr;
}

int TNxPropertyItem::absoluteIndex() const
{
    return m_items ? m_items->indexOf(this) : -1;
}

int TNxPropertyItem::nodeIndex() const
{
    return m_items ? m_items->nodeIndexOf(this) : -1;
}

int TNxPropertyItem::sortedIndex() const
{
    return m_items ? m_items->sortedIndexOf(this) : -1;
}

bool TNxPropertyItem::ancestorsExpanded() const
{
    for (auto *p = m_parent; p; p = p->m_parent)
        if (!p->m_expanded)
            return false;
    return true;
}

void TNxPropertyItem::notify(TNxItemNotification kind, int index)
{
    if (m_inList && m_items)
        m_items->deliver(this, kind, index);
}

void TNxPropertyItem::setCaption(const QString &value)
{
    m_caption = value;
    if (m_items && m_inList && m_level == 1)
        m_items->resortByName(this);
    notify(TNxItemNotification::RowChanged);
}

void TNxPropertyItem::setColor(TColor value)
{
    m_color = value;
    notify(TNxItemNotification::RowChanged);
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setDefaultValue(const QString &value)
{
    m_defaultValue = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setEmptyValue(const QString &value)
{
    m_emptyValue = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setEnabled(bool value)
{
    m_enabled = value;
    notify(TNxItemNotification::EnabledChanged);
}

bool TNxPropertyItem::hiddenByAncestors() const
{
    return m_parent && (m_parent->m_hidden || !m_parent->m_expanded);
}

// Hidden means: not visible, or below a hidden or collapsed row. Setting the
// flags from that rule keeps rows below a collapsed or invisible descendant
// hidden, also when a row whose own ancestors are collapsed is expanded.
void TNxPropertyItem::refreshHiddenOfDescendants()
{
    if (!m_items)
        return;
    const auto &list = m_items->displayOrder();
    const int start = absoluteIndex();
    for (int i = start + 1; i < int(list.size()) && list[i]->m_level > m_level; ++i) {
        TNxPropertyItem *d = list[i];
        d->m_hidden = !d->m_visible || d->hiddenByAncestors();
    }
}

void TNxPropertyItem::setExpanded(bool value)
{
    if (m_expandLock || value == m_expanded)
        return;
    m_expanded = value;
    refreshHiddenOfDescendants();
    if (m_childCount > 0)
        notify(value ? TNxItemNotification::Expanded : TNxItemNotification::Collapsed);
}

void TNxPropertyItem::setExpandLock(bool value)
{
    m_expandLock = value;
    notify(TNxItemNotification::ExpandLockChanged);
}

void TNxPropertyItem::setFont(const QFont &value)
{
    m_font = value;
    notify(TNxItemNotification::RowChanged);
}

void TNxPropertyItem::setImageIndex(int value)
{
    m_imageIndex = value;
    notify(TNxItemNotification::RowChanged);
}

void TNxPropertyItem::setMapProperty(const QString &value)
{
    m_mapProperty = value;
    readFromProperty();
}

void TNxPropertyItem::setOptions(TItemOptions value)
{
    m_options = value;
    notify(TNxItemNotification::OptionsChanged);
}

void TNxPropertyItem::setReadOnly(bool value)
{
    m_readOnly = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setShowPreview(bool value)
{
    m_showPreview = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setShowSuffix(bool value)
{
    if (value == m_showSuffix)
        return;
    m_showSuffix = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setSuffixValue(const QString &value)
{
    m_suffixValue = value;
    notify(TNxItemNotification::SuffixChanged);
}

void TNxPropertyItem::setCaptionColor(TColor value)
{
    m_captionColor = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setValueColor(TColor value)
{
    m_valueColor = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setValueFont(const QFont &value)
{
    m_valueFont = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::setVisible(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    m_hidden = !value || hiddenByAncestors();
    refreshHiddenOfDescendants();
    notify(TNxItemNotification::VisibleChanged);
}

void TNxPropertyItem::setMapObject(QObject *object)
{
    m_mapObject = object;
    notify(TNxItemNotification::LookChanged);
}

void TNxPropertyItem::readFromProperty()
{
    NxPropertyBinding::read(*this);
}

void TNxPropertyItem::writeBoundProperty()
{
    if (!m_reading)
        NxPropertyBinding::write(*this);
}

void TNxPropertyItem::assign(const TNxPropertyItem &source)
{
    setCaption(source.caption());
    setEmptyValue(source.emptyValue());
    setEnabled(source.enabled());
    setExpanded(source.expanded());
    setFont(source.font());
    setImageIndex(source.imageIndex());
    setReadOnly(source.readOnly());
    setSuffixes(source.suffixes());
    setSuffixValue(source.suffixValue());
    setValue(source.getValue());
    setValueFont(source.valueFont());
}

void TNxPropertyItem::setAsBoolean(bool)
{
    valueChanged();
}

void TNxPropertyItem::setAsDateTime(const QDateTime &)
{
    valueChanged();
}

void TNxPropertyItem::setAsFloat(double)
{
    valueChanged();
}

void TNxPropertyItem::setAsInteger(int)
{
    valueChanged();
}

void TNxPropertyItem::setAsString(const QString &)
{
    valueChanged();
}

void TNxPropertyItem::valueChanged()
{
    const QPointer<TNxPropertyItem> self(this);
    notify(TNxItemNotification::ValueChanged);
    if (!self)
        return;
    writeBoundProperty();
    if (self)
        notify(TNxItemNotification::ValueWritten);
}

} // namespace talmo

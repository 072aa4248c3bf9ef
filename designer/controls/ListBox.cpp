#include "designer/controls/ListBox.h"

#include "designer/controls/ControlTables.h"
#include "designer/controls/DesignName.h"
#include "widgets/Colors.h"

#include <QListWidget>

namespace talmo {

TListBox::TListBox(QWidget *parent)
    : TFontedControl(clWindow, false, parent),
      m_list(new DesignNamedView<QListWidget>(*this))
{
    embed(m_list);
    colorChanged();
    connect(&m_items, &TDesignStrings::changed, this, &TListBox::showItems);
    setWidth(121);
    setHeight(97);
}

const DesignPropertyTable &TListBox::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::anchors(), row::borderStyle(bsSingle), row::color(clWindow), row::enabled(), row::font(),
        row::integer("ItemHeight", 13), row::strings("Items"), row::boolean("MultiSelect", false),
        row::parentColor(false), row::parentFont(), row::showHint(), row::boolean("Sorted", false),
        row::enumeration("Style", lbStandard), row::tabOrder(), row::tabStop(true), row::visible(),
    });
    return table;
}

void TListBox::setBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    m_list->setFrameShape(style == bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TListBox::setMultiSelect(bool multiSelect)
{
    m_multiSelect = multiSelect;
    m_list->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TListBox::setSorted(bool sorted)
{
    m_sorted = sorted;
    showItems();
}

void TListBox::showItems()
{
    m_list->clear();
    m_list->addItems(m_items.strings());
    if (m_sorted)
        m_list->sortItems();
}

} // namespace talmo

#include "designer/controls/ComboBox.h"

#include "designer/controls/ControlTables.h"
#include "designer/controls/TextMeasurer.h"
#include "widgets/Colors.h"

#include <QComboBox>
#include <QLineEdit>

namespace talmo {

TComboBox::TComboBox(QWidget *parent)
    : TFontedControl(clWindow, false, parent),
      m_combo(new QComboBox)
{
    m_combo->setEditable(true);
    embed(m_combo);
    colorChanged();
    connect(&m_items, &TDesignStrings::changed, this, &TComboBox::showItems);
    setWidth(145);
    setHeight(TTextMeasurer::current().lineHeight(font()) + 8);
}

const DesignPropertyTable &TComboBox::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::anchors(), row::color(clWindow), row::integer("DropDownCount", 8), row::enabled(), row::font(),
        row::strings("Items"), row::integer("MaxLength", 0), row::parentColor(false), row::parentFont(),
        row::showHint(), row::boolean("Sorted", false), row::enumeration("Style", csDropDown), row::tabOrder(),
        row::tabStop(true), row::text("Text"), row::visible(),
    });
    return table;
}

void TComboBox::setDropDownCount(int count)
{
    m_dropDownCount = count;
    m_combo->setMaxVisibleItems(std::max(count, 1));
}

void TComboBox::setSorted(bool sorted)
{
    m_sorted = sorted;
    showItems();
}

// A list-only style shows no edit part.
void TComboBox::setStyle(TComboBoxStyle style)
{
    m_style = style;
    m_combo->setEditable(style == csDropDown || style == csSimple);
    showItems();
}

void TComboBox::setText(const QString &text)
{
    m_text = text;
    if (m_combo->isEditable())
        m_combo->setEditText(text);
}

void TComboBox::showItems()
{
    QStringList items = m_items.strings();
    if (m_sorted)
        items.sort(Qt::CaseInsensitive);
    m_combo->clear();
    m_combo->addItems(items);
    setText(m_text);
}

} // namespace talmo

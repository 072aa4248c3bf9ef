#include "designer/controls/NewCheckListBox.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QPainter>

namespace talmo {

TNewCheckListBox::TNewCheckListBox(QWidget *parent)
    : TFontedControl(clWindow, false, parent)
{
    setWidth(121);
    setHeight(97);
}

const DesignPropertyTable &TNewCheckListBox::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::anchors(), row::borderStyle(bsSingle), row::color(clWindow), row::enabled(),
        row::boolean("Flat", false), row::font(), row::integer("MinItemHeight", DefaultItemHeight),
        row::integer("Offset", 4), row::parentColor(false), row::parentFont(), row::showHint(),
        row::boolean("ShowLines", true), row::tabOrder(), row::tabStop(true), row::visible(),
        row::boolean("WantTabs", false),
    });
    return table;
}

void TNewCheckListBox::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), SystemColors::toQColor(color()));
    if (m_borderStyle == bsSingle) {
        painter.setPen(SystemColors::toQColor(clBtnShadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace talmo

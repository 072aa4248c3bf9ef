#include "widgets/ElidingComboBox.h"

#include <QHelpEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace talmo {

ElidingComboBox::ElidingComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

QString ElidingComboBox::shownText(const QStyleOptionComboBox &option) const
{
    const int fieldWidth =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width();
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, fieldWidth);
}

QString ElidingComboBox::shownText() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return shownText(option);
}

void ElidingComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = shownText(option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QString ElidingComboBox::shownToolTip() const
{
    if (shownText() == currentText())
        return toolTip();
    return toolTip().isEmpty() ? currentText() : currentText() + QLatin1Char('\n') + toolTip();
}

bool ElidingComboBox::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QComboBox::event(event);
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), shownToolTip(), this);
    return true;
}

} // namespace talmo

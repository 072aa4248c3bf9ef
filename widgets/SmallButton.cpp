#include "widgets/SmallButton.h"

#include "widgets/SharedDraw.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace talmo {

TSmallButton::TSmallButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TSmallButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.fillRect(rect(), palette().color(QPalette::Button));
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
    const QPixmap glyph = icon().pixmap(iconSize());
    if (!icon().isNull())
        painter.drawPixmap((width() - glyph.width()) / 2, (height() - glyph.height()) / 2, glyph);
    painter.setPen(palette().color(QPalette::ButtonText));
    SharedDraw::drawTextRect(painter, rect(), HorzAlign::Center, text());
}

} // namespace talmo

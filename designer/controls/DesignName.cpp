#include "designer/controls/DesignName.h"

#include "widgets/Colors.h"

#include <QRect>

namespace talmo {

namespace {

constexpr int NameMargin = 3;

} // namespace

void PaintDesignName(QPainter &painter, const QRect &area, const QString &name)
{
    painter.save();
    painter.setPen(SystemColors::toQColor(clWindowText));
    const QRect text = area.adjusted(NameMargin, NameMargin, -NameMargin, -NameMargin);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(name, Qt::ElideRight, text.width()));
    painter.restore();
}

} // namespace talmo

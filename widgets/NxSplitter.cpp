#include "widgets/NxSplitter.h"

#include "widgets/GripDots.h"
#include "widgets/SharedDraw.h"

#include <QPainter>

namespace talmo {

TNxSplitterHandle::TNxSplitterHandle(Qt::Orientation orientation, QSplitter *parent)
    : QSplitterHandle(orientation, parent)
{
}

void TNxSplitterHandle::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    QSplitterHandle::mouseDoubleClickEvent(event);
}

void TNxSplitterHandle::paintEvent(QPaintEvent *)
{
    const auto *owner = qobject_cast<const TNxSplitter *>(splitter());
    const TColorScheme scheme = owner ? owner->colorScheme() : csDefault;
    const TColor edge = ColorSchemes::schemeColor(2, scheme);
    const TColor from = ColorSchemes::schemeColor(19, scheme);
    const TColor to = ColorSchemes::schemeColor(20, scheme);
    QPainter painter(this);
    const int w = width(), h = height();
    if (orientation() == Qt::Horizontal) {
        // A band between panes side by side: lines run top to bottom.
        painter.setPen(SystemColors::toQColor(edge));
        painter.drawLine(0, 0, 0, h - 1);
        painter.drawLine(w - 1, 0, w - 1, h - 1);
        painter.setPen(Qt::white);
        painter.drawLine(1, 0, 1, h - 1);
        SharedDraw::drawHorzGradient(painter, QRect(2, 0, w - 3, h), from, to);
        GripDots::draw(painter, rect(), 5, false, scheme);
    } else {
        painter.setPen(SystemColors::toQColor(edge));
        painter.drawLine(0, 0, w - 1, 0);
        painter.drawLine(0, h - 1, w - 1, h - 1);
        painter.setPen(Qt::white);
        painter.drawLine(0, 1, w - 1, 1);
        SharedDraw::drawVertGradient(painter, QRect(0, 2, w, h - 3), from, to);
        GripDots::draw(painter, rect(), 5, true, scheme);
    }
}

TNxSplitter::TNxSplitter(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent)
{
    setHandleWidth(9);
    ColorSchemes::registerControl(this);
}

TNxSplitter::~TNxSplitter()
{
    ColorSchemes::unregisterControl(this);
}

void TNxSplitter::setColorScheme(TColorScheme scheme)
{
    m_colorScheme = scheme;
    for (int i = 0; i < count(); ++i)
        handle(i)->update();
}

QSplitterHandle *TNxSplitter::createHandle()
{
    auto *handle = new TNxSplitterHandle(orientation(), this);
    connect(handle, &TNxSplitterHandle::doubleClicked, this, &TNxSplitter::doubleClicked);
    return handle;
}

} // namespace talmo

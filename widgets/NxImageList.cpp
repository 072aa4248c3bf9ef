#include "widgets/NxImageList.h"

#include "widgets/SharedDraw.h"

#include <QPainter>

namespace talmo {

TNxImageList::TNxImageList(int width, int height, QObject *parent)
    : QObject(parent)
    , m_size(width, height)
{
}

int TNxImageList::add(const QPixmap &image)
{
    m_images.append(image.size() == m_size ? image : image.scaled(m_size));
    return count() - 1;
}

QPixmap TNxImageList::image(int index) const
{
    return isValidIndex(index) ? m_images.at(index) : QPixmap();
}

void TNxImageList::draw(QPainter &painter, int x, int y, int index, bool enabled) const
{
    if (!isValidIndex(index))
        return;
    if (enabled) {
        painter.drawPixmap(x, y, m_images.at(index));
        return;
    }
    QImage grey = m_images.at(index).toImage().convertToFormat(QImage::Format_ARGB32);
    SharedDraw::makeGrayImage(grey);
    painter.drawImage(x, y, grey);
}

} // namespace talmo

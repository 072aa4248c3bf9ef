#include "designer/controls/BitmapImage.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QBuffer>
#include <QPainter>
#include <QtEndian>

#include <algorithm>

namespace talmo {

TBitmapImage::TBitmapImage(QWidget *parent)
    : TVisualControl(parent),
      m_backColor(clBtnFace),
      m_replaceColor(clNone),
      m_replaceWithColor(clNone)
{
    connect(&m_bitmap, &TDesignBitmap::changed, this, [this] {
        decode();
        reevaluate();
    });
    setWidth(105);
    setHeight(105);
}

const DesignPropertyTable &TBitmapImage::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::anchors(), row::boolean("AutoSize", false),
        {QStringLiteral("BackColor"), DesignValueForm::Color, int(clBtnFace)},
        {QStringLiteral("Bitmap"), DesignValueForm::Bitmap}, row::boolean("Center", false), row::enabled(),
        {QStringLiteral("ReplaceColor"), DesignValueForm::Color, int(clNone)},
        {QStringLiteral("ReplaceWithColor"), DesignValueForm::Color, int(clNone)}, row::showHint(),
        row::boolean("Stretch", false), row::visible(),
    });
    return table;
}

void TBitmapImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    reevaluate();
}

void TBitmapImage::setBackColor(int color)
{
    m_backColor = color;
    reevaluate();
}

void TBitmapImage::setCenter(bool center)
{
    m_center = center;
    reevaluate();
}

void TBitmapImage::setReplaceColor(int color)
{
    m_replaceColor = color;
    reevaluate();
}

void TBitmapImage::setReplaceWithColor(int color)
{
    m_replaceWithColor = color;
    reevaluate();
}

void TBitmapImage::setStretch(bool stretch)
{
    m_stretch = stretch;
    reevaluate();
}

QByteArray TBitmapImage::storedForm(const QImage &image)
{
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    QByteArray stored(4, '\0');
    qToLittleEndian<quint32>(quint32(file.size()), stored.data());
    return stored + file;
}

void TBitmapImage::decode()
{
    const QByteArray &data = m_bitmap.data();
    m_picture = QImage();
    if (data.size() <= 4)
        return;
    const quint32 length = qFromLittleEndian<quint32>(data.constData());
    m_picture = QImage::fromData(data.mid(4, qsizetype(std::min<quint32>(length, quint32(data.size() - 4)))), "BMP");
}

void TBitmapImage::reevaluate()
{
    if (isLoading())
        return;
    if (m_autoSize && m_picture.width() > 0 && m_picture.height() > 0)
        setBounds(left(), top(), m_picture.width(), m_picture.height());
    setAttribute(Qt::WA_OpaquePaintEvent,
                 !m_picture.isNull() && m_picture.width() >= width() && m_picture.height() >= height());
    update();
}

QImage TBitmapImage::replaced() const
{
    if (m_replaceColor == clNone || m_replaceWithColor == clNone)
        return m_picture;
    const QRgb from = SystemColors::toQColor(m_replaceColor).rgb();
    const QRgb to = SystemColors::toQColor(m_replaceWithColor).rgb();
    QImage image = m_picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::replace_if(line, line + image.width(), [from](QRgb pixel) { return (pixel | 0xFF000000) == from; }, to);
    }
    return image;
}

// The stretched picture is scaled by the painter into the clipped area only,
// so an enormous client size allocates nothing.
void TBitmapImage::paintTo(QPainter &painter, const QSize &size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const QRect client(QPoint(0, 0), size);
    const QSize pictureSize = m_stretch ? size : m_picture.size();
    if (m_backColor != clNone && (pictureSize.width() < size.width() || pictureSize.height() < size.height()
                                  || m_picture.isNull()))
        painter.fillRect(client, SystemColors::toQColor(m_backColor));
    if (isDesigning()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(client.adjusted(0, 0, -1, -1));
    }
    if (m_picture.isNull())
        return;
    QPoint at(0, 0);
    if (m_center && !m_stretch)
        at = QPoint(std::max(0, (size.width() - pictureSize.width()) / 2),
                    std::max(0, (size.height() - pictureSize.height()) / 2));
    painter.drawImage(QRect(at, pictureSize), replaced());
}

void TBitmapImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintTo(painter, QSize(width(), height()));
}

} // namespace talmo

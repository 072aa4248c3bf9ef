#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace talmo {

// A list of equally sized images that controls draw by index. Controls hold
// it through QPointer, so a freed list clears itself from every control.
class TNxImageList : public QObject
{
    Q_OBJECT
public:
    TNxImageList(int width, int height, QObject *parent = nullptr);

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    int count() const { return int(m_images.size()); }
    bool isValidIndex(int index) const { return index >= 0 && index < count(); }
    // Scaled to the list's size when it differs.
    int add(const QPixmap &image);
    QPixmap image(int index) const;
    void draw(QPainter &painter, int x, int y, int index, bool enabled = true) const;

private:
    QSize m_size;
    QList<QPixmap> m_images;
};

} // namespace talmo

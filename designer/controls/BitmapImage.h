#pragma once

#include "designer/DesignBitmap.h"
#include "designer/controls/VisualControl.h"

#include <QImage>

namespace talmo {

// A window-less picture kept as the bytes the page stores (a 4-byte length,
// then a BMP file) and shown through QImage; bytes that do not decode show
// nothing and are kept.
class TBitmapImage : public TVisualControl
{
    Q_OBJECT
    Q_CLASSINFO("talmo:BackColor", "TColor")
    Q_CLASSINFO("talmo:ReplaceColor", "TColor")
    Q_CLASSINFO("talmo:ReplaceWithColor", "TColor")
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QObject *Bitmap READ bitmapObject)
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(int ReplaceColor READ replaceColor WRITE setReplaceColor)
    Q_PROPERTY(int ReplaceWithColor READ replaceWithColor WRITE setReplaceWithColor)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)

public:
    explicit TBitmapImage(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool isWindowless() const override { return true; }

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    int backColor() const { return m_backColor; }
    void setBackColor(int color);
    TDesignBitmap &bitmap() { return m_bitmap; }
    QObject *bitmapObject() { return &m_bitmap; }
    bool center() const { return m_center; }
    void setCenter(bool center);
    int replaceColor() const { return m_replaceColor; }
    void setReplaceColor(int color);
    int replaceWithColor() const { return m_replaceWithColor; }
    void setReplaceWithColor(int color);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

    // The decoded picture; null when the bytes do not decode.
    const QImage &picture() const { return m_picture; }
    // The five painting steps onto painter, for a client area of size.
    void paintTo(QPainter &painter, const QSize &size);
    // A BMP file in the stored form: its length in 4 bytes, then the file.
    static QByteArray storedForm(const QImage &image);

protected:
    void paintEvent(QPaintEvent *event) override;
    void loaded() override { reevaluate(); }

private:
    void decode();
    void reevaluate();
    QImage replaced() const;

    TDesignBitmap m_bitmap;
    QImage m_picture;
    bool m_autoSize = false;
    int m_backColor;
    bool m_center = false;
    int m_replaceColor;
    int m_replaceWithColor;
    bool m_stretch = false;
};

} // namespace talmo

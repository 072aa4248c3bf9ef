#pragma once

#include "widgets/Colors.h"
#include "widgets/NxImageList.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace talmo {

enum TLinkLabelDisplayMode { dmNone, dmGlyph, dmImageList };

// A hyperlink-style label: an optional picture before the text in the link
// colour, underlined while the mouse is over it, sized to its content.
class TNxLinkLabel : public QWidget
{
    Q_OBJECT
public:
    explicit TNxLinkLabel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TLinkLabelDisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(TLinkLabelDisplayMode mode);
    const QPixmap &glyph() const { return m_glyph; }
    // Its bottom-left pixel's colour turns transparent.
    void setGlyph(const QPixmap &glyph);
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    TNxImageList *images() const { return m_images; }
    void setImages(TNxImageList *images);
    int textDistance() const { return m_textDistance; }
    void setTextDistance(int distance);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);
    TColor transparentColor() const { return m_transparentColor; }
    // Makes this colour of the glyph transparent.
    void setTransparentColor(TColor color);
    int vertSpacing() const { return m_vertSpacing; }
    void setVertSpacing(int spacing);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    bool hot() const { return m_hot; }

    // The picture's width and gap before the text (0 without a picture).
    int textStart() const;
    // The size the content needs.
    QSize contentSize() const;
    QSize sizeHint() const override { return contentSize(); }
    // A link is read whole: layouts never squeeze it below its content.
    QSize minimumSizeHint() const override { return contentSize(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void contentChanged();
    bool hasValidImage() const;
    QRect hotArea() const;

    QString m_caption;
    TLinkLabelDisplayMode m_displayMode = dmGlyph;
    QPixmap m_sourceGlyph;
    QPixmap m_glyph;
    int m_imageIndex = -1;
    QPointer<TNxImageList> m_images;
    int m_textDistance = 2;
    bool m_transparent = false;
    TColor m_transparentColor = clNone;
    int m_vertSpacing = 2;
    bool m_autoSize = true;
    // clDefault: the parent's colour.
    TColor m_color = clDefault;
    bool m_hot = false;
    bool m_pressed = false;
};

} // namespace talmo

#pragma once

#include <QPixmap>
#include <QWidget>

namespace talmo {

// A focusable picture box that fits its picture in with the aspect ratio kept.
class TNxImage : public QWidget
{
    Q_OBJECT
public:
    explicit TNxImage(QWidget *parent = nullptr);

    bool drawFrame() const { return m_drawFrame; }
    void setDrawFrame(bool value);
    bool focusImage() const { return m_focusImage; }
    void setFocusImage(bool value) { m_focusImage = value; }
    int frameSize() const { return m_frameSize; }
    void setFrameSize(int size);
    int margin() const { return m_margin; }
    void setMargin(int margin);
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    bool showFocus() const { return m_showFocus; }
    void setShowFocus(bool value);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The client less Margin + 1 on every side.
    QRect imageRect() const;
    // Where the picture goes (frame included); empty without a picture.
    QRect fitRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_drawFrame = true;
    bool m_focusImage = true;
    int m_frameSize = 2;
    int m_margin = 4;
    QPixmap m_picture;
    bool m_showFocus = false;
    QString m_caption;
};

} // namespace talmo

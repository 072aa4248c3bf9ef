#pragma once

#include <QPixmap>
#include <QWidget>

namespace talmo {

class TNxCustomEdit;

// The button at the right edge of a button edit. Pressing focuses the edit
// and reports "pressed"; releasing after a press reports "released".
class TNxSmallButton : public QWidget
{
    Q_OBJECT
public:
    explicit TNxSmallButton(TNxCustomEdit *cellEditor);

    TNxCustomEdit *cellEditor() const { return m_cellEditor; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const QPixmap &glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);
    bool down() const { return m_down; }
    void setDown(bool value);
    bool hover() const { return m_hover; }
    void setHover(bool value);

signals:
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TNxCustomEdit *m_cellEditor;
    QString m_caption;
    QPixmap m_glyph;
    bool m_down = false;
    bool m_hover = false;
};

// The push button of a plain button edit ("..."), 21 pixels wide.
class TNxExecuteButton : public TNxSmallButton
{
    Q_OBJECT
public:
    explicit TNxExecuteButton(TNxCustomEdit *cellEditor);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace talmo

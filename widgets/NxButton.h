#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace talmo {

// The suite's push button: a glyph beside the caption (a grey copy while
// disabled), a sticky pressed look, Enter for the default button and Escape
// for the cancel button of its window, and a modal result for its dialog.
class TNxButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TNxButton(QWidget *parent = nullptr);

    bool cancel() const { return m_cancel; }
    void setCancel(bool value);
    bool isDefault() const { return m_default; }
    // Every button of the window works out again which one Enter clicks.
    void setDefault(bool value);
    bool stickyDown() const { return m_stickyDown; }
    void setStickyDown(bool value);
    const QPixmap &glyph() const { return m_glyph; }
    // Copied in, with a grey copy for the disabled look.
    void setGlyph(const QPixmap &glyph);
    const QPixmap &disabledGlyph() const { return m_disabledGlyph; }
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    bool transparent() const { return m_transparent; }
    // Glyphs lose their bottom-left pixel's colour.
    void setTransparent(bool value);

    // The button Enter clicks: the focused button, else the Default one.
    bool activeDefault() const { return m_activeDefault; }
    bool hot() const { return m_hot; }
    bool spacePressed() const { return m_spacePressed; }

    QSize sizeHint() const override { return QSize(75, 23); }

protected:
    virtual void drawFace(QPainter &painter);

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyGlyphs();
    void focusMoved(QWidget *now);
    void watchWindow();
    // Enter or Escape that no control of the window consumed.
    bool handleDialogKey(QKeyEvent *event);

    bool m_cancel = false;
    bool m_default = false;
    bool m_stickyDown = false;
    QPixmap m_sourceGlyph;
    QPixmap m_glyph;
    QPixmap m_disabledGlyph;
    int m_modalResult = 0;
    bool m_transparent = false;
    bool m_activeDefault = false;
    bool m_hot = false;
    bool m_spacePressed = false;
    QWidget *m_watchedWindow = nullptr;
};

} // namespace talmo

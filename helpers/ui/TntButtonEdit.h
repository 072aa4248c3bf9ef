#pragma once

#include <QLineEdit>

class QToolButton;

namespace talmo {

// A single-line edit with a small browse button inside its right edge, for
// fields filled through a picker. The button only reports the click; the
// form's handler opens the picker and sets the text. Disabling the edit
// disables the button with it.
class TTntButtonEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TTntButtonEdit(QWidget *parent = nullptr);

    QToolButton *button() const { return m_button; }
    void setGlyph(const QIcon &glyph);

signals:
    void buttonClicked();

protected:
    // Emits buttonClicked; the edit takes the focus afterwards.
    virtual void doButtonClick();
    void resizeEvent(QResizeEvent *event) override;

private:
    void buttonClick();
    void placeButton();

    QToolButton *m_button;
};

} // namespace talmo

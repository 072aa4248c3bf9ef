#pragma once

#include <QString>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace talmo {

// The palette strip of the page designer: a pointer button and one checkable
// button per control class, exactly one of them down.
class DesignerPalette : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ButtonCount = 18;

    explicit DesignerPalette(QWidget *parent = nullptr);

    // The class button i inserts, and its hint.
    static QString className(int index);
    static QString hint(int index);

    // The chosen class button; -1 for the pointer.
    int selectedIndex() const;
    void selectPointer();
    QAbstractButton *button(int index) const;
    QAbstractButton *pointerButton() const;

signals:
    // A button was clicked; shift tells whether Shift was held.
    void clicked(bool shift);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QButtonGroup *m_group;
    bool m_shiftAtPress = false;
};

} // namespace talmo

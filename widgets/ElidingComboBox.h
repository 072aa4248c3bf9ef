#pragma once

#include <QComboBox>

class QStyleOptionComboBox;

namespace talmo {

// A drop-down list whose closed field ends a choice too long for it with
// "…", so a narrow pane shows which choice it is without being widened; the
// open list shows every choice whole, and so does the tool tip, above the
// tip the list was given.
class ElidingComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ElidingComboBox(QWidget *parent = nullptr);

    // The chosen entry as the closed field shows it.
    QString shownText() const;
    // What the tool tip shows for the field as it stands.
    QString shownToolTip() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The chosen entry elided to the field of a combo drawn with option.
    QString shownText(const QStyleOptionComboBox &option) const;
};

} // namespace talmo

#pragma once

#include <QAbstractButton>

namespace talmo {

// The flat push buttons inside the drop-down windows (Today, None, more
// colours): a bevel, a centred glyph and a centred caption; they click on
// release.
class TSmallButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TSmallButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace talmo

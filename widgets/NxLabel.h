#pragma once

#include "widgets/LabelPlacement.h"
#include "widgets/Margins.h"

#include <QLabel>
#include <QPointer>

namespace talmo {

// A label that keeps itself placed next to its associate: when that control
// moves or changes size the label follows. It keeps its own size.
class TNxLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TNxLabel(QWidget *parent = nullptr);
    ~TNxLabel() override;

    QWidget *associate() const { return m_associate; }
    // nullptr releases the current one; the label itself is ignored.
    void setAssociate(QWidget *associate);
    THorizontalPosition horizontalPosition() const { return m_placement.horizontalPosition; }
    void setHorizontalPosition(THorizontalPosition position);
    TVerticalPosition verticalPosition() const { return m_placement.verticalPosition; }
    void setVerticalPosition(TVerticalPosition position);
    bool innerHorizontal() const { return m_placement.innerHorizontal; }
    void setInnerHorizontal(bool value);
    bool innerVertical() const { return m_placement.innerVertical; }
    void setInnerVertical(bool value);
    TMargins &innerMargins() { return m_innerMargins; }
    // Copies the two values.
    void setInnerMargins(const TMargins &margins);
    // Sets the text, fits the label to it and places it again.
    void setCaption(const QString &caption);
    // Takes over another label's associate, placement, margins and text.
    void assign(const TNxLabel &other);

    void placeLabel();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void releaseAssociate();

    QPointer<QWidget> m_associate;
    LabelPlacement m_placement;
    TMargins m_innerMargins;
};

} // namespace talmo

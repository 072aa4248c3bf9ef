#pragma once

#include "designer/controls/VisualControl.h"

namespace talmo {

// A window-less lowered or raised frame or line.
class TBevel : public TVisualControl
{
    Q_OBJECT
    Q_PROPERTY(TBevelShape Shape READ shape WRITE setShape)
    Q_PROPERTY(TBevelStyle Style READ style WRITE setStyle)

public:
    explicit TBevel(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool isWindowless() const override { return true; }
    TBevelShape shape() const { return m_shape; }
    void setShape(TBevelShape shape) { m_shape = shape; update(); }
    TBevelStyle style() const { return m_style; }
    void setStyle(TBevelStyle style) { m_style = style; update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TBevelShape m_shape = bsBox;
    TBevelStyle m_style = bsLowered;
};

} // namespace talmo

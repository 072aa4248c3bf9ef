#pragma once

#include "designer/controls/VisualControl.h"

class QProgressBar;

namespace talmo {

// A bar whose native range is always 0..65535; Position maps onto it.
class TNewProgressBar : public TVisualControl
{
    Q_OBJECT
    Q_PROPERTY(int Max READ max WRITE setMax)
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int Position READ position WRITE setPosition)

public:
    static constexpr int NativeRange = 65535;

    explicit TNewProgressBar(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool takesTabOrder() const override { return false; }

    int max() const { return m_max; }
    void setMax(int max);
    int min() const { return m_min; }
    void setMin(int min);
    int position() const { return m_position; }
    // Stored clamped into Min..Max.
    void setPosition(int position);
    // The value the native bar shows.
    int nativePosition() const;
    // (position - min) * 65535 / (max - min), rounded; 0 when max <= min.
    static int nativePosition(int min, int max, int position);

private:
    QProgressBar *m_bar;
    int m_max = 100;
    int m_min = 0;
    int m_position = 0;
};

} // namespace talmo

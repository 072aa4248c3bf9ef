#include "designer/controls/NewProgressBar.h"

#include "designer/controls/ControlTables.h"

#include <QProgressBar>

#include <algorithm>

namespace talmo {

TNewProgressBar::TNewProgressBar(QWidget *parent)
    : TVisualControl(parent),
      m_bar(new QProgressBar)
{
    m_bar->setRange(0, NativeRange);
    m_bar->setTextVisible(false);
    embed(m_bar);
    setDefaultTabStop(false);
    setWidth(150);
    setHeight(17);
}

const DesignPropertyTable &TNewProgressBar::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::anchors(), row::integer("Max", 100), row::integer("Min", 0), row::integer("Position", 0),
        row::visible(),
    });
    return table;
}

void TNewProgressBar::setMax(int max)
{
    m_max = max;
    setPosition(m_position);
}

void TNewProgressBar::setMin(int min)
{
    m_min = min;
    setPosition(m_position);
}

// Min above Max is stored as typed (the inspector sets one after the other),
// so the clamp must not assume an ordered range.
void TNewProgressBar::setPosition(int position)
{
    m_position = position < m_min ? m_min : position > m_max ? m_max : position;
    m_bar->setValue(nativePosition());
}

int TNewProgressBar::nativePosition() const
{
    return nativePosition(m_min, m_max, m_position);
}

int TNewProgressBar::nativePosition(int min, int max, int position)
{
    if (max <= min)
        return 0;
    const qint64 span = qint64(max) - min;
    const qint64 offset = std::clamp<qint64>(qint64(position) - min, 0, span);
    return int((offset * NativeRange + span / 2) / span);
}

} // namespace talmo

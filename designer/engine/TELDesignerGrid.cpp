#include "designer/engine/TELDesignerGrid.h"

#include <algorithm>

namespace talmo {

TELDesignerGrid::TELDesignerGrid(QObject *parent)
    : QObject(parent)
{
}

void TELDesignerGrid::setXStep(int step)
{
    update(m_xStep, std::clamp(step, MinStep, MaxStep));
}

void TELDesignerGrid::setYStep(int step)
{
    update(m_yStep, std::clamp(step, MinStep, MaxStep));
}

void TELDesignerGrid::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit changed();
}

void TELDesignerGrid::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    emit changed();
}

void TELDesignerGrid::assign(const TELDesignerGrid &other)
{
    const QSignalBlocker quiet(this);
    setXStep(other.m_xStep);
    setYStep(other.m_yStep);
    setVisible(other.m_visible);
    setColor(other.m_color);
    emit changed();
}

void TELDesignerGrid::update(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    emit changed();
}

} // namespace talmo

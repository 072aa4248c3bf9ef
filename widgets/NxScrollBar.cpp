#include "widgets/NxScrollBar.h"

#include <algorithm>

namespace talmo {

int ScrollBarOwner::horzScrollDelta(int, int) const
{
    return 0;
}

int ScrollBarOwner::vertScrollDelta(int, int) const
{
    return 0;
}

void ScrollBarOwner::scrollContent(TNxCustomScrollBar &, int, int)
{
}

void ScrollBarOwner::scrollRequest(TNxCustomScrollBar &bar, ScrollCode code)
{
    if (code != EndScroll)
        bar.setPosition(bar.positionForScroll(code, bar.position()));
}

void ScrollBarOwner::scrollBarChanged(TNxCustomScrollBar &)
{
}

TNxCustomScrollBar::TNxCustomScrollBar(ScrollBarOwner &owner, Kind kind)
    : m_owner(owner)
    , m_kind(kind)
{
}

void TNxCustomScrollBar::setEnabled(bool value)
{
    m_enabled = value;
    update();
}

void TNxCustomScrollBar::setMax(int value)
{
    if (value == m_max)
        return;
    m_max = std::max(value, 0);
    setVisible(!(m_max <= 0 && m_autoHide));
    update();
    if (m_max < m_position)
        setPosition(m_max);
}

void TNxCustomScrollBar::setPageSize(int value)
{
    if (value == m_pageSize)
        return;
    m_pageSize = std::max(value, 8);
    update();
}

void TNxCustomScrollBar::setPosition(int value)
{
    m_oldPosition = m_position;
    m_position = std::max(std::max(std::min(value, m_max), m_min), 0);
    update();
    if (m_updateCount > 0 || m_manualScroll)
        return;
    if (m_kind == Vertical)
        m_owner.scrollContent(*this, 0, m_owner.vertScrollDelta(m_oldPosition, m_position));
    else
        m_owner.scrollContent(*this, m_owner.horzScrollDelta(m_oldPosition, m_position), 0);
}

void TNxCustomScrollBar::setVisible(bool value)
{
    m_visible = value;
}

void TNxCustomScrollBar::update()
{
    m_owner.scrollBarChanged(*this);
}

void TNxCustomScrollBar::lineUp()
{
    if (m_max >= 1)
        m_owner.scrollRequest(*this, ScrollBarOwner::LineUp);
}

void TNxCustomScrollBar::lineDown()
{
    if (m_max >= 1)
        m_owner.scrollRequest(*this, ScrollBarOwner::LineDown);
}

void TNxCustomScrollBar::pageUp()
{
    m_owner.scrollRequest(*this, ScrollBarOwner::PageUp);
}

void TNxCustomScrollBar::pageDown()
{
    m_owner.scrollRequest(*this, ScrollBarOwner::PageDown);
}

int TNxCustomScrollBar::positionForScroll(ScrollBarOwner::ScrollCode code, int trackPosition)
{
    switch (code) {
    case ScrollBarOwner::LineUp: m_scrollKind = LineScroll; return m_position - m_smallChange;
    case ScrollBarOwner::LineDown: m_scrollKind = LineScroll; return m_position + m_smallChange;
    case ScrollBarOwner::PageUp: m_scrollKind = PageScroll; return m_position - m_largeChange;
    case ScrollBarOwner::PageDown: m_scrollKind = PageScroll; return m_position + m_largeChange;
    case ScrollBarOwner::ThumbPosition:
    case ScrollBarOwner::ThumbTrack: m_scrollKind = ThumbScroll; return trackPosition;
    case ScrollBarOwner::Top: m_scrollKind = EndsScroll; return 0;
    case ScrollBarOwner::Bottom: m_scrollKind = EndsScroll; return m_max;
    case ScrollBarOwner::EndScroll: break;
    }
    return m_position;
}

} // namespace talmo

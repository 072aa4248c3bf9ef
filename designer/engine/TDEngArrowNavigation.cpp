#include "designer/engine/TDEngArrowNavigation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace talmo {

namespace {

// A rectangle seen along the arrow: "ahead" grows in the arrow's direction,
// "across" is the other axis. Edges are exclusive on the far side, as a
// control's left plus width.
struct Span
{
    int aheadNear;
    int aheadFar;
    int acrossLow;
    int acrossHigh;
    int aheadCentre;
};

Span along(const QRect &r, TDEngArrowNavigation::Direction direction)
{
    const int left = r.x();
    const int right = r.x() + r.width();
    const int top = r.y();
    const int bottom = r.y() + r.height();
    switch (direction) {
    case TDEngArrowNavigation::Right:
        return {left, right, top, bottom, (left + right) / 2};
    case TDEngArrowNavigation::Left:
        return {-right, -left, top, bottom, -((left + right) / 2)};
    case TDEngArrowNavigation::Down:
        return {top, bottom, left, right, (top + bottom) / 2};
    case TDEngArrowNavigation::Up:
        break;
    }
    return {-bottom, -top, left, right, -((top + bottom) / 2)};
}

bool overlapsAcross(const Span &a, const Span &b)
{
    return a.acrossLow < b.acrossHigh && a.acrossHigh > b.acrossLow;
}

int gapAcross(const Span &candidate, const Span &current)
{
    if (overlapsAcross(candidate, current))
        return 0;
    return candidate.acrossLow >= current.acrossHigh ? candidate.acrossLow - current.acrossHigh
                                                     : current.acrossLow - candidate.acrossHigh;
}

bool qualifies(const Span &candidate, const Span &current)
{
    if (candidate.aheadNear >= current.aheadFar)
        return gapAcross(candidate, current) <= candidate.aheadNear - current.aheadFar;
    return candidate.aheadFar > current.aheadNear && overlapsAcross(candidate, current)
        && candidate.aheadCentre > current.aheadCentre;
}

// Straight-line distance from a point to the nearest point of the candidate.
double distance(const Span &candidate, double ahead, double across)
{
    const double dx = ahead - std::clamp<double>(ahead, candidate.aheadNear, candidate.aheadFar);
    const double dy = across - std::clamp<double>(across, candidate.acrossLow, candidate.acrossHigh);
    return std::hypot(dx, dy);
}

} // namespace

int TDEngArrowNavigation::nearest(const QRect &current, const QList<QRect> &candidates, Direction direction)
{
    const Span self = along(current, direction);
    const double edgeAhead = self.aheadFar;
    const double edgeAcross = (self.acrossLow + self.acrossHigh) / 2.0;
    double best = std::numeric_limits<double>::max();
    int found = -1;
    for (int i = 0; i < candidates.size(); ++i) {
        const Span candidate = along(candidates.at(i), direction);
        if (!qualifies(candidate, self))
            continue;
        const double d = distance(candidate, edgeAhead, edgeAcross);
        if (d < best) {
            best = d;
            found = i;
        }
    }
    return found;
}

} // namespace talmo

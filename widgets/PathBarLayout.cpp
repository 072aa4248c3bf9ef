#include "widgets/PathBarLayout.h"

#include "widgets/ColorBlend.h"

namespace talmo {

int PathBarLayout::firstShownLevel(const QList<int> &widths, int clientWidth)
{
    int sum = 0;
    for (int level = int(widths.size()) - 1; level >= 0; --level) {
        sum += widths.at(level);
        if (sum > clientWidth - RootButtonWidth)
            return level + 1;
    }
    return 0;
}

int PathBarLayout::arrowWidth(int clientHeight)
{
    return ColorBlend::roundHalfEven(clientHeight / 1.6);
}

} // namespace talmo

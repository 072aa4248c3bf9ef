#include "widgets/PathBarLayout.h"

#include "widgets/ColorBlend.h"

#include <algorithm>

namespace talmo {

int PathBarLayout::firstShownLevel(const QList<int> &widths, int clientWidth)
{
    const int selected = int(widths.size()) - 1;
    int sum = 0;
    for (int level = selected; level >= 0; --level) {
        sum += widths.at(level);
        if (sum > clientWidth - RootButtonWidth)
            return std::min(level + 1, selected);
    }
    return 0;
}

int PathBarLayout::arrowWidth(int clientHeight)
{
    return ColorBlend::roundHalfEven(clientHeight / 1.6);
}

} // namespace talmo

#pragma once

#include <QPixmap>

namespace talmo {

// The small pictures of the panels, drawn in code.
class PanelGlyphs
{
public:
    // 8 x 7 double chevrons of the header panel's collapse button.
    static QPixmap headerCollapse();
    static QPixmap headerExpand();
    // 9 x 9 boxed minus and plus of the flip panel's button.
    static QPixmap flipCollapse();
    static QPixmap flipExpand();
};

} // namespace talmo

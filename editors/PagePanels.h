#pragma once

#include <QString>

namespace talmo {

class TNxFlipPanel;

// A captioned group on an editor page: it never folds and shows no buttons.
TNxFlipPanel *pageSectionPanel(const QString &caption, int minimumHeight = 0);

} // namespace talmo

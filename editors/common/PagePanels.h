#pragma once

#include <QString>

namespace talmo {

class TNxFlipPanel;

// A captioned group on an editor page: it never folds, shows no buttons and
// is as tall as its content needs, at least leastHeight.
TNxFlipPanel *pageSectionPanel(const QString &caption, int leastHeight = 0);

} // namespace talmo

#pragma once

class QTextBrowser;

namespace talmo {

// The help pages set their text in the smallest HTML font sizes, which the
// viewer draws at a fraction of its own font. The viewer's font is raised so
// that size 1 still reads at 8 points on screen; a font already that large
// is kept.
void FitHelpViewerFont(QTextBrowser &viewer);

} // namespace talmo

#pragma once

#include <QPixmap>

namespace talmo {

// The designer's own pictures, painted at run time.
namespace DesignerPictures {

// An empty wizard window of the installer, 503 x 392: title bar, white
// header band with a small picture at its right, the page's surface framed
// in red from (42, 103) to (462, 333), and the Back, Next and Cancel buttons.
QPixmap emptyWizard();

// The 26 x 26 glyph of palette button index (0 to 17) and of the pointer.
QPixmap paletteGlyph(int index);
QPixmap pointerGlyph();

} // namespace DesignerPictures

} // namespace talmo

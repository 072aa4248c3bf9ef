#pragma once

#include "widgets/Colors.h"

#include <QList>

class QWidget;

namespace talmo {

enum TColorScheme : quint8 { csDefault, csBlack, csBlue, csSilver };

// The fixed colour table of the scheme-aware controls (panels, splitter,
// outlook bar, property inspector), and the list of those controls.
class ColorSchemes
{
public:
    static constexpr int ElementCount = 21;

    // The program-wide scheme that csDefault stands for.
    static TColorScheme defaultScheme() { return csBlue; }

    // Element 0..20 of a scheme; csDefault reads the default scheme's column.
    // Both indices are taken modulo 128 like the stored bytes they come from.
    static TColor schemeColor(int element, TColorScheme scheme);

    static void registerControl(QWidget *control);
    static void unregisterControl(QWidget *control);
    static QList<QWidget *> controls();
};

} // namespace talmo

#include "helpers/ui/FontsAndThemes.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace talmo {

bool IsVistaOrLater()
{
    return false;
}

bool IsDwmCompositionEnabled()
{
    return false;
}

void ApplyIconTitleFont(QFont &font)
{
    ApplyDefaultGuiFont(font);
}

void ApplyDefaultGuiFont(QFont &font)
{
    font = QApplication::font();
}

// The Vista fonts and the explorer style are only for the platform they were
// made for; IsVistaOrLater() keeps them off here.
void ApplyVistaFormFont(QWidget *)
{
}

void ApplyVistaContentFont(QFont &)
{
}

void ApplyExplorerTheme(QWidget *)
{
}

} // namespace talmo

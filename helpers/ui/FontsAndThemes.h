#pragma once

class QFont;
class QWidget;

namespace talmo {

// The look of the windows. The newer-Windows fonts, the explorer style and
// desktop composition have no counterpart here: the queries answer "no" and
// the fonts are the application font, so every window looks like the desktop
// it runs on.

bool IsVistaOrLater();
bool IsDwmCompositionEnabled();

// The first step of creating a window: ApplyIconTitleFont, then ApplyVistaFormFont.
void ApplyIconTitleFont(QFont &font);
void ApplyDefaultGuiFont(QFont &font);
void ApplyVistaFormFont(QWidget *form);
void ApplyVistaContentFont(QFont &font);
void ApplyExplorerTheme(QWidget *view);

} // namespace talmo

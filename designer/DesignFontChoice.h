#pragma once

#include "helpers/ui/UiServices.h"

namespace talmo {

class TDesignFont;

// A designed control's font as the font picker shows and returns it.
namespace DesignFontChoice {

FontChoice choiceOf(const TDesignFont &font);
// The font takes the choice in one change; what the picker does not show
// (the pitch) stays.
void apply(TDesignFont &font, const FontChoice &choice);

} // namespace DesignFontChoice

} // namespace talmo

#pragma once

namespace talmo {

class TDesignClassRegistry;

// Registers the palette's 18 classes under their palette class names, so
// that page text and pasted blocks can make them.
void InitFormDesignerUnit(TDesignClassRegistry &registry);

} // namespace talmo

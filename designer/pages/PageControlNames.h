#pragma once

#include "designer/core/PageEventEntries.h"

#include <QList>

namespace talmo {

class TDesignClassRegistry;
class TDesignControl;

// The controls a designed page owns, named as the event rules know them.
QList<PageControlName> PageControlNames(const TDesignControl &root, const TDesignClassRegistry &registry);

} // namespace talmo

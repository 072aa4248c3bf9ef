#include "model/SetupCatalogue.h"

namespace talmo {

namespace {
SetupCatalogue *currentCatalogue = nullptr;
} // namespace

const SetupCatalogue &SetupCatalogue::current()
{
    static const SetupCatalogue empty;
    return currentCatalogue ? *currentCatalogue : empty;
}

SetupCatalogue *SetupCatalogue::setCurrent(SetupCatalogue *catalogue)
{
    SetupCatalogue *previous = currentCatalogue;
    currentCatalogue = catalogue;
    return previous;
}

} // namespace talmo

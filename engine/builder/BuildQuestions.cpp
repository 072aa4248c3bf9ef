#include "engine/builder/BuildQuestions.h"

namespace talmo {

BuildQuestions::~BuildQuestions() = default;

bool NoBuildQuestions::AskYesNo(const QString &)
{
    return false;
}

void NoBuildQuestions::ShowError(const QString &)
{
}

} // namespace talmo

#include "model/StandardWizardPages.h"

namespace talmo {

int StandardWizardPageIndex(int creationOrder)
{
    const bool inTable = creationOrder >= 0 && creationOrder < int(StandardWizardPageNames.size());
    return inTable ? creationOrder : 0;
}

QString StandardWizardPageName(int creationOrder)
{
    return QString::fromLatin1(StandardWizardPageNames[std::size_t(StandardWizardPageIndex(creationOrder))]);
}

} // namespace talmo

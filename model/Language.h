#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// One language of the desktop setup with its own readme, licence and
// info-after files.
struct TLanguage
{
    QString LanguageID;
    QString ReadmeFile;
    QString EULAFile;
    QString InfoAfterFile;
};

using TLanguagesSection = OwningList<TLanguage>;

} // namespace talmo

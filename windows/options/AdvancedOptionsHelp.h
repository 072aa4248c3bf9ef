#pragma once

#include "model/AdvancedBuilderValues.h"

#include <optional>

namespace talmo {

// The help page the advanced options dialog shows beside its rows: what the
// selected row does, and for the icon rows the icon itself. Rows without a
// text of their own (categories included) and no selection show the general
// text.
struct AdvancedOptionsHelp
{
    static inline const QString IconScheme = QStringLiteral("icon:");
    static inline const QString BrowseActiveSyncIconLink = QStringLiteral("browse_IC");
    static inline const QString ClearActiveSyncIconLink = QStringLiteral("clear_IC");
    static inline const QString ClearWizardIconLink = QStringLiteral("clear_ICW");

    // The page for the row with this tag (nothing: no row selected).
    static QString Html(std::optional<int> tag, const AdvancedBuilderValues &values, const QString &projectFileName);
    // Where the icon of an icon row's value lies: a relative value is taken
    // from the project file's folder.
    static QString IconPath(const QString &value, const QString &projectFileName);
};

} // namespace talmo

#pragma once

#include <QString>

#include <optional>

namespace talmo {

class TProjectContainer;

// The texts of the CAB page's general options, each stored in its project field.
enum class CabGeneralOption { ModuleName, AppName, Description, CabOutputFilename, InstallDir };

// The option's text as the page shows it.
QString CabGeneralOptionText(const TProjectContainer &project, CabGeneralOption option);
// Stores the text and sets Modified. True when the option names the module,
// so the module's node caption has to follow it.
bool StoreCabGeneralOption(TProjectContainer &project, CabGeneralOption option, const QString &text);
// A module without a name of its own is named after the application when
// its page opens: that name, or nothing when the module has one.
std::optional<QString> UnnamedCabModuleName(const TProjectContainer &project);

} // namespace talmo

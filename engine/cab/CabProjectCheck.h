#pragma once

#include <QStringList>

namespace talmo {

class TProjectContainer;

// What a CAB build refuses before it writes anything: project items whose
// content the device would not get as the user configured it. Each problem
// names the item as the CAB page shows it (target, device file, registry
// or shortcut section, key and value), so the user knows what to mend.
class CabProjectCheck
{
public:
    static QStringList Problems(const TProjectContainer &project);

private:
    static void checkDeviceFiles(const TProjectContainer &project, QStringList &problems);
    static void checkRegistryData(const TProjectContainer &project, QStringList &problems);
    static void checkSectionNames(const TProjectContainer &project, QStringList &problems);
    static void checkTargetNames(const TProjectContainer &project, QStringList &problems);
};

} // namespace talmo

#pragma once

#include "helpers/core/XmlTree.h"
#include "model/ProgramOptions.h"

#include <QString>

#include <functional>

namespace talmo {

class TProjectContainer;
struct TCustomForm;
struct TFormCodeExecutionUnit;
struct TPluginContainer;

// One load of a project document into a container, in the fixed reading
// order. A failing read raises ProjectFileReadError or ListIndexError; a
// guarded part catches them and runs its fallback, any other read lets them
// end the load.
class ProjectDocumentReader
{
public:
    ProjectDocumentReader(TProjectContainer &project, const XmlElement &root,
                          TMSQL_CustomSet sqlMobileSet, TNETCF2_CustomSet netCF2Set);

    // Reads every element; raises on a failure outside the guarded parts.
    void ReadAll();

private:
    // Runs read; when it fails, runs fallback instead of the rest of it.
    static void guarded(const std::function<void()> &read, const std::function<void()> &fallback);

    const XmlElement &top(const QString &name) const;
    void readText(const QString &name, QString &field, const QString &fallback);
    void readBoolean(const QString &name, bool &field, bool fallback);
    void readInteger(const QString &name, int &field, int fallback);

    void readInstallTypes();
    void readCabCreatorModule();
    void readIdentity();
    void readDesktopSettings();
    void readSetupAppearance();

    void readLegacyRuntimeModule(const QString &name, const QString &type, const TMSQL_CustomSet &set,
                                 int lastPosition);
    void readPluginContainers();
    void readPluginContainer(const XmlElement &item);
    void readWin32Plugins();
    void readPalmSections();
    void readDirectCopySections();
    void readCustomForms();
    void readExecUnit(TCustomForm &page, const XmlElement &item, int index, int unitCount);

    void readStrings();
    void readPlatforms();
    void readLanguages();
    void readLegacyLanguageFiles();

    void readCEDevices();
    void readSourceDisksNames();
    void readCabCollections();
    void readCopyFiles();
    void readDefaultInstall();
    void readShortcuts();
    void readRegistry();

    void readInstallComponents();
    void validateComponentTree() const;
    void rebuildComponentTree();

    TProjectContainer &m_project;
    const XmlElement &m_root;
    TMSQL_CustomSet m_sqlMobileSet;
    TNETCF2_CustomSet m_netCF2Set;
};

} // namespace talmo

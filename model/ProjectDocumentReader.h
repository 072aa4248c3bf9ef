#pragma once

#include "helpers/core/XmlTree.h"
#include "model/ProgramOptions.h"

#include <QString>

#include <functional>

namespace talmo {

class TProjectContainer;
struct TCustomForm;
struct TFormCodeExecutionUnit;
struct TInstallModule;
struct TPluginContainer;

// One load of a project document into a container, in the fixed reading
// order. A failing read raises ProjectFileReadError or ListIndexError; a
// guarded part catches them and runs its fallback, any other read lets them
// end the load.
class ProjectDocumentReader
{
public:
    // The legacy runtime elements are converted with the built-in sets of
    // options, or with freshly built ones when there are no options.
    ProjectDocumentReader(TProjectContainer &project, const XmlElement &root, const TProgramOptions *options);

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

    void readLegacyRuntimeModule(const QString &name, const QString &type, int lastPosition);
    TMSQL_CustomSet builtinSet(const QString &type) const;
    void readPluginContainers();
    void readPluginContainer(const XmlElement &item);
    void readWin32Plugins();
    // The parts a Palm OS and a direct-copy module share.
    void readFileModuleHeader(const XmlElement &item, TInstallModule &module);
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
    const TProgramOptions *m_options;
};

} // namespace talmo

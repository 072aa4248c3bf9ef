#pragma once

#include <QStringList>

namespace talmo {

class ComponentCondition;
class DownloadList;
class TProjectContainer;
struct ScriptEnvironment;

// What the generated [Code] part may read of the script written so far.
struct ScriptCodeContext
{
    TProjectContainer &project;
    const ScriptEnvironment &environment;
    const ComponentCondition &conditions;
    // The files the setup downloads, as the [Files] section named them.
    const DownloadList &downloads;
    // The temporary file name of each direct-copy archive, by module index.
    const QStringList &directCopyArchiveNames;
};

// The script program of the setup: the generator calls it after the [Run]
// section and before the closing include line. It appends its lines to the
// script and raises ScriptGenerationError on failure.
class ScriptCodeSection
{
public:
    virtual ~ScriptCodeSection() = default;
    virtual void WriteCodeSection(const ScriptCodeContext &context, QStringList &script) = 0;
};

} // namespace talmo

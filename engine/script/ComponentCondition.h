#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// What ties a script line to an install component and to the setup
// languages. A component counts as hidden when its module is hidden or when
// any component above it is: a line never names a component under a parent
// that [Components] leaves out.
class ComponentCondition
{
public:
    explicit ComponentCondition(TProjectContainer &project);

    bool IsHidden(int componentIndex) const;
    // The same test for a project the caller may only read.
    static bool IsHiddenIn(const TProjectContainer &project, int componentIndex);
    // " components: NAME;" when the component page is on and the component is
    // shown, then LanguagePart; empty when neither applies.
    QString Of(int componentIndex) const;
    // " components: NAME;" alone, or empty.
    QString ComponentPart(int componentIndex) const;
    // " languages: lang0 lang2;" for the component's languages that the
    // project has, in the component's order; empty when its list is empty.
    QString LanguagePart(int componentIndex) const;
    // The component name that decides a download; empty: always downloaded.
    QString DownloadModuleName(int componentIndex) const;

    // The component of a module; a module missing from the component list
    // raises ScriptGenerationError.
    int RequireComponent(int moduleType, int moduleIndex) const;
    // The script name of the project language at that index.
    static QString LanguageName(int languageIndex);

private:
    bool namesComponent(int componentIndex) const;

    TProjectContainer &m_project;
};

} // namespace talmo

#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct ScriptEnvironment;

// The head of the setup script: the defines the script-include library
// reads and the [Setup] section.
class SetupSectionWriter
{
public:
    SetupSectionWriter(const TProjectContainer &project, const ScriptEnvironment &environment);

    void WriteDefines(QStringList &lines) const;
    // outputFolder is absolute, without a trailing separator.
    void WriteSetupSection(const QString &outputFolder, QStringList &lines) const;

    // The setup's default folder: macros expanded, the first {async} (in any
    // case) made the folder of the ActiveSync application manager.
    QString DefaultDirName() const;

private:
    void writeWizardImages(QStringList &lines) const;

    const TProjectContainer &m_project;
    const ScriptEnvironment &m_environment;
};

} // namespace talmo

#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class ComponentCondition;
class TProjectContainer;
struct ScriptEnvironment;

// The [Components], [Types] and [Languages] sections: what the user chooses
// in the setup, and in which languages it talks to them.
class ComponentSectionsWriter
{
public:
    ComponentSectionsWriter(TProjectContainer &project, const ScriptEnvironment &environment,
                            const ComponentCondition &conditions);

    // One line per shown component (the header is the caller's).
    void WriteComponents(QStringList &lines) const;
    QString ComponentLine(int componentIndex) const;
    // The whole [Types] section, with its leading empty line when the project
    // has its own types.
    void WriteTypes(QStringList &lines) const;
    // One line per project language (the header is the caller's).
    void WriteLanguages(QStringList &lines) const;
    QString LanguageLine(int languageIndex) const;

private:
    QString messagesFiles(const QString &languageId) const;

    TProjectContainer &m_project;
    const ScriptEnvironment &m_environment;
    const ComponentCondition &m_conditions;
};

} // namespace talmo

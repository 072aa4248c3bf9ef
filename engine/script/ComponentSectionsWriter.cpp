#include "engine/script/ComponentSectionsWriter.h"

#include "engine/script/ComponentCondition.h"
#include "engine/script/ScriptEnvironment.h"
#include "engine/script/ScriptQuoting.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// Type names are matched by the installer in lower case; only A to Z change.
QString asciiLower(const QString &text)
{
    QString lower = text;
    for (QChar &c : lower) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lower;
}

QString checkPart(int moduleType)
{
    switch (moduleType) {
    case ModuleType::PalmOS:
        return QStringLiteral(" Check: CheckPalm;");
    case ModuleType::CabCreator:
    case ModuleType::CabCollection:
    case ModuleType::SqlMobile:
    case ModuleType::NetCF2:
    case ModuleType::DirectCopy:
        return QStringLiteral(" Check: CheckAsync;");
    default:
        return QString();
    }
}

QString flagsPart(const TInstallComponent &component)
{
    const std::pair<bool, const char *> flags[] = {
        { component.GetFlagFixed(), " fixed" },
        { component.FlagCheckableaAlone, " checkablealone" },
        { component.FlagDontInheritCheck, " dontinheritcheck" },
        { component.FlagExclusive, " exclusive" },
        { component.FlagRestart, " restart" },
        { component.FlagDisableNoUninstallWarning, " disablenouninstallwarning" },
    };
    QString words;
    for (const auto &[set, word] : flags) {
        if (set)
            words += QLatin1String(word);
    }
    return words.isEmpty() ? QString() : QStringLiteral(" flags:") + words + QLatin1Char(';');
}

QString optionalFile(const char *parameter, const QString &file)
{
    return file.isEmpty() ? QString() : QLatin1String(parameter) + ScriptQuoted(file);
}

} // namespace

ComponentSectionsWriter::ComponentSectionsWriter(TProjectContainer &project, const ScriptEnvironment &environment,
                                                 const ComponentCondition &conditions)
    : m_project(project)
    , m_environment(environment)
    , m_conditions(conditions)
{
}

void ComponentSectionsWriter::WriteComponents(QStringList &lines) const
{
    for (int i = 0; i < m_project.InstallComponents.Count(); ++i) {
        if (!m_conditions.IsHidden(i))
            lines.append(ComponentLine(i));
    }
}

QString ComponentSectionsWriter::ComponentLine(int componentIndex) const
{
    const TInstallComponent &component = m_project.InstallComponents[componentIndex];
    QString line = QStringLiteral("Name: ") + m_project.GetComponentName(componentIndex, true)
        + QStringLiteral("; Description: ") + ScriptQuoted(InstallerLiteral(m_project.GetComponentCaption(componentIndex)))
        + QLatin1Char(';');
    const QStringList *types = m_project.GetComponentInstallTypes(componentIndex);
    if (types && !types->isEmpty()) {
        line += QStringLiteral(" Types:");
        for (const QString &type : *types)
            line += QLatin1Char(' ') + asciiLower(type);
        line += QLatin1Char(';');
    }
    return line + checkPart(component.moduleType) + m_conditions.LanguagePart(componentIndex)
        + flagsPart(component);
}

void ComponentSectionsWriter::WriteTypes(QStringList &lines) const
{
    const TProjectContainer &p = m_project;
    if (p.InstallTypes.isEmpty()) {
        lines.append(QStringLiteral("[Types]"));
        lines.append(QStringLiteral("Name: full; Description: \"Full installation\";"));
        lines.append(QStringLiteral("Name: custom; Description: \"Custom installation\"; Flags: iscustom;"));
        return;
    }
    lines.append(QString());
    lines.append(QStringLiteral("[Types]"));
    for (int i = 0; i < p.InstallTypes.size(); ++i) {
        QString line = QStringLiteral("Name: ") + p.InstallTypes[i] + QStringLiteral("; Description: ")
            + ScriptQuoted(InstallerLiteral(p.InstallTypesDescriptions.value(i))) + QLatin1Char(';');
        if (i == p.InstallTypesIsCustom)
            line += QStringLiteral(" Flags: iscustom;");
        lines.append(line);
    }
}

void ComponentSectionsWriter::WriteLanguages(QStringList &lines) const
{
    for (int j = 0; j < m_project.Languages.Count(); ++j)
        lines.append(LanguageLine(j));
}

QString ComponentSectionsWriter::messagesFiles(const QString &languageId) const
{
    const QString english = QStringLiteral("{#ISSI_IncludePath}\\Languages\\_issi_English.isl");
    if (languageId == QLatin1String("English"))
        return QStringLiteral("compiler:Default.isl,") + english;
    const QString own = QStringLiteral("Languages\\_issi_") + languageId + QStringLiteral(".isl");
    const bool hasOwn = m_environment.fileExists
        && m_environment.fileExists(m_environment.programFolder + QStringLiteral("issi\\") + own);
    return QStringLiteral("compiler:Languages\\") + languageId + QStringLiteral(".isl,")
        + (hasOwn ? QStringLiteral("{#ISSI_IncludePath}\\") + own : english);
}

QString ComponentSectionsWriter::LanguageLine(int languageIndex) const
{
    const TLanguage &language = m_project.Languages[languageIndex];
    return QStringLiteral("Name: ") + ScriptQuoted(ComponentCondition::LanguageName(languageIndex))
        + QStringLiteral("; MessagesFile: ") + ScriptQuoted(messagesFiles(language.LanguageID))
        + optionalFile("; LicenseFile: ", language.EULAFile)
        + optionalFile("; InfoBeforeFile: ", language.ReadmeFile)
        + optionalFile("; InfoAfterFile: ", language.InfoAfterFile);
}

} // namespace talmo

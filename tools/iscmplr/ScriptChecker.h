#pragma once

#include "CheckedScript.h"
#include "CodeSection.h"
#include "CodeSectionCompiler.h"
#include "HostPaths.h"
#include "NameSet.h"
#include "ParameterLine.h"
#include "ScriptSections.h"
#include "WindowsVersions.h"

#include <QHash>
#include <QSet>

#include <functional>

namespace talmo::iscmplr {

struct SectionRule;

// Options the caller gives a compile; they win over the script's [Setup].
struct CompileOptions
{
    QString outputDir;
    QString outputBaseFilename;
};

// Checks the sections of a preprocessed script for everything a real compile
// would reject, and gathers what the package needs. Throws CompileError at
// the first fault.
class ScriptChecker
{
public:
    using StatusSink = std::function<void(const QString &)>;

    ScriptChecker(HostPaths paths, CompileOptions options, CodeSectionCompiler codeCompiler, StatusSink status);

    CheckedScript check(const SourceLines &preprocessed);

private:
    void checkSetup();
    void checkSetupFiles();
    void readSetupMinVersion(const Section &section);
    void checkSetupReferences();
    void checkLanguages();
    void readMessagesFile(const QString &path);
    void checkLanguagePrefixedLines(const QString &sectionName);
    void checkCode();
    void checkParameterSections();
    void checkParameterLine(const SectionRule &rule, const ParameterLine &line);
    void checkNamedEntry(const QString &sectionName, const ParameterLine &line, NameSet &names);
    void checkFileEntry(const ParameterLine &line, const QStringList &flags);
    void checkRunEntry(const ParameterLine &line, const QStringList &flags);
    void checkFilesLibraries();
    void checkReferences(const SourceLine &where, const QString &value);
    void checkExpressionNames(const SourceLine &where, const QString &parameter, const QString &value,
                              const NameSet &known, const QString &kind);
    void checkCheckExpression(const SourceLine &where, const QString &parameter, const QString &value);
    void checkFileExists(const SourceLine &where, const QString &what, const QString &scriptPath);
    void requireRoutine(const SourceLine &where, const QString &routine, const QString &usedBy);
    void chooseOutput();
    SourceLine sectionStart(const QString &name) const;

    HostPaths m_paths;
    CompileOptions m_options;
    CodeSectionCompiler m_codeCompiler;
    StatusSink m_status;
    ScriptSections m_sections;
    CodeSection m_code;
    QHash<QString, QString> m_setup; // by lower-case directive
    NameSet m_languages;
    QSet<QString> m_customMessages;  // lower case
    NameSet m_types;
    NameSet m_components;
    NameSet m_tasks;
    bool m_customTypeSeen = false;
    WindowsVersions m_setupMinVersion = WindowsVersions::setupDefault();
    NameSet m_filesNames;            // file-name parts of [Files] sources and DestNames
    CheckedScript m_result;
};

} // namespace talmo::iscmplr

#pragma once

#include "HostPaths.h"
#include "PredefinedVariables.h"
#include "PreprocessorExpression.h"
#include "SourceLine.h"

#include <QHash>

namespace talmo::iscmplr {

class CompilerHost;

// The script's preprocessor: #define, #undef, #include, #emit, #if/#ifdef/
// #ifndef with #elif/#else/#endif, the inline {#expression} (also written
// {#emit expression} or {#=expression}) and the predefined variables.
// Produces the lines the section reader sees, each with the file and line it
// came from.
class Preprocessor : private PreprocessorContext
{
public:
    explicit Preprocessor(const HostPaths &paths);

    // Pulls the main script through the host, then preprocesses it.
    SourceLines run(CompilerHost &host);
    SourceLines run(const SourceLines &mainScript);

private:
    struct Condition
    {
        bool parentActive;
        bool active;
        bool anyTaken;
        bool elseSeen;
        SourceLine opened;
    };

    void processLines(const SourceLines &lines, const QString &folder, int depth);
    void processDirective(const SourceLine &line, const QString &folder, int depth);
    void processConditional(const QString &keyword, const QString &argument, const SourceLine &line);
    void define(const QString &argument, const SourceLine &line);
    void include(const QString &argument, const SourceLine &line, const QString &folder, int depth);
    void emitValue(const QString &argument, const SourceLine &line);
    QString expandInline(const SourceLine &line);
    PreprocessorValue evaluate(const QString &expression, const SourceLine &line);
    void addGrowth(qsizetype characters, const SourceLine &line);
    bool active() const;

    std::optional<PreprocessorValue> defineValue(const QString &name) const override;
    bool isDefined(const QString &name) const override;
    QString setupSetting(const QString &directive) const override;

    const HostPaths &m_paths;
    mutable PredefinedVariables m_predefined;
    SourceLine m_current; // the line being evaluated
    qsizetype m_growth = 0;                // characters the expansions added to the script
    QHash<QString, PreprocessorValue> m_defines; // by lower-case name
    QList<Condition> m_conditions;
    qsizetype m_fileConditionBase = 0; // conditions opened before the current file
    SourceLines m_output;
};

} // namespace talmo::iscmplr

#include "PredefinedVariables.h"

#include <QFileInfo>

namespace talmo::iscmplr {

namespace {

enum class Variable { Line, File, PathFileName, Include, Counter, Flag, PreprocessorVersion, CompilerPath, SourcePath };

// The version our library reports, in the variable's layout: major in the
// highest byte, build in the lowest.
constexpr qint64 kPreprocessorVersion = 0x05040200;

std::optional<Variable> variableNamed(const QString &name)
{
    static const QList<std::pair<QString, Variable>> table = {
        {QStringLiteral("__LINE__"), Variable::Line},
        {QStringLiteral("__FILE__"), Variable::File},
        {QStringLiteral("__PATHFILENAME__"), Variable::PathFileName},
        {QStringLiteral("__INCLUDE__"), Variable::Include},
        {QStringLiteral("__COUNTER__"), Variable::Counter},
        {QStringLiteral("ISPP_INVOKED"), Variable::Flag},
        {QStringLiteral("WINDOWS"), Variable::Flag},
        {QStringLiteral("__WIN32__"), Variable::Flag},
        {QStringLiteral("PREPROCVER"), Variable::PreprocessorVersion},
        {QStringLiteral("CompilerPath"), Variable::CompilerPath},
        {QStringLiteral("SourcePath"), Variable::SourcePath},
    };
    for (const auto &[known, variable] : table) {
        if (known.compare(name, Qt::CaseInsensitive) == 0)
            return variable;
    }
    return std::nullopt;
}

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

PredefinedVariables::PredefinedVariables(const HostPaths &paths)
    : m_paths(paths)
{
}

bool PredefinedVariables::isDefined(const QString &name) const
{
    return variableNamed(name).has_value();
}

std::optional<PreprocessorValue> PredefinedVariables::value(const QString &name, const SourceLine &current)
{
    const std::optional<Variable> variable = variableNamed(name);
    if (!variable)
        return std::nullopt;
    switch (*variable) {
    case Variable::Line:
        return PreprocessorValue::fromNumber(current.line);
    case Variable::File:
        return PreprocessorValue::fromText(current.file.isEmpty() ? QString() : QFileInfo(current.file).fileName());
    case Variable::PathFileName:
        return PreprocessorValue::fromText(current.file);
    case Variable::Include:
        return PreprocessorValue::fromText(includePath(current));
    case Variable::Counter:
        return PreprocessorValue::fromNumber(m_counter++);
    case Variable::Flag:
        return PreprocessorValue();
    case Variable::PreprocessorVersion:
        return PreprocessorValue::fromNumber(kPreprocessorVersion);
    case Variable::CompilerPath:
        return PreprocessorValue::fromText(withSeparator(m_paths.compilerDir()));
    case Variable::SourcePath:
        return PreprocessorValue::fromText(withSeparator(m_paths.sourceDir()));
    }
    return std::nullopt;
}

// The folders #include searches, in order: the current file's, then the source folder.
QString PredefinedVariables::includePath(const SourceLine &current) const
{
    const QString sourceFolder = m_paths.sourceDir();
    const QString ownFolder = current.file.isEmpty() ? sourceFolder : QFileInfo(current.file).path();
    return ownFolder == sourceFolder ? sourceFolder : ownFolder + QLatin1Char(';') + sourceFolder;
}

} // namespace talmo::iscmplr

#include "ScriptCompiler.h"

#include "CompileError.h"
#include "CompilerHost.h"
#include "Preprocessor.h"
#include "ScriptChecker.h"
#include "SetupPackageWriter.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <exception>

namespace talmo::iscmplr {

namespace {

// Every text of the interface is UTF-8 on this platform.
QString textOf(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// "Name=value" NUL "Name=value" NUL ... NUL
CompileOptions parseOptions(const char *block)
{
    CompileOptions options;
    for (const char *item = block; item && *item; item += std::strlen(item) + 1) {
        const QString option = textOf(item);
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        const QString name = option.left(equals).trimmed();
        const QString value = equals < 0 ? QString() : option.mid(equals + 1);
        if (name.compare(QLatin1String("OutputDir"), Qt::CaseInsensitive) == 0)
            options.outputDir = value;
        else if (name.compare(QLatin1String("OutputBaseFilename"), Qt::CaseInsensitive) == 0)
            options.outputBaseFilename = value;
        else
            throw CompileError{QStringLiteral("Unknown compiler option \"%1\"").arg(name), {}, 0};
    }
    return options;
}

int32_t run(const TCompileScriptParamsEx &params, const QString &ownFolder, CompilerHost &host)
{
    QString outputFile;
    try {
        const QString compilerDir = params.CompilerPath ? textOf(params.CompilerPath) : ownFolder;
        const QString sourceDir = params.SourcePath ? textOf(params.SourcePath) : QDir::currentPath();
        const CompileOptions options = parseOptions(params.Options);
        const HostPaths paths(sourceDir, compilerDir);

        host.status(QStringLiteral("Preprocessing"));
        Preprocessor preprocessor(paths);
        const SourceLines script = preprocessor.run(host);

        ScriptChecker checker(paths, options, CodeSectionCompiler(ownFolder), [&host](const QString &message) { host.status(message); });
        const CheckedScript checked = checker.check(script);
        for (const QString &warning : checked.warnings)
            host.status(QStringLiteral("Warning: %1").arg(warning));

        outputFile = SetupPackageWriter(host).write(checked);
        host.success(outputFile);
        return TCompilerResultCompiled;
    } catch (const CompileError &error) {
        host.error(error.message, error.file, error.line);
    } catch (const CompileAborted &) {
        // An abort at the success notification: the package must not stay either.
        if (!outputFile.isEmpty())
            QFile::remove(outputFile);
        host.reportAborted();
    }
    return TCompilerResultFailed;
}

} // namespace

int32_t ScriptCompiler::compile(const TCompileScriptParamsEx &params, const QString &ownFolder)
{
    CompilerHost host(params.CallbackProc, params.AppData);
    try {
        return run(params, ownFolder, host);
    } catch (const std::exception &e) {
        host.error(QStringLiteral("Internal error: %1").arg(QString::fromLocal8Bit(e.what())), QString(), 0);
    } catch (...) {
        host.error(QStringLiteral("Internal error"), QString(), 0);
    }
    return TCompilerResultFailed;
}

} // namespace talmo::iscmplr

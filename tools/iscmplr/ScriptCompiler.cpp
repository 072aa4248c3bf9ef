#include "ScriptCompiler.h"

#include "CompileError.h"
#include "CompilerHost.h"
#include "Preprocessor.h"
#include "ScriptChecker.h"
#include "SetupPackageWriter.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <optional>
#include <exception>

namespace talmo::iscmplr {

namespace {

// Every text of the interface is UTF-8 on this platform.
QString textOf(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// "Name=value" NUL "Name=value" NUL ... NUL, each name matched as the real
// compiler matches it: "OutputDir=" and "OutputBaseFilename=" at the front,
// in any case. Anything else is an invalid parameter (isceInvalidParam);
// the real compiler also takes "SignTool-" and "ISPP:" options, which this
// library has no signing or preprocessor options to honour with.
std::optional<CompileOptions> parseOptions(const char *block)
{
    const QString outputDir = QStringLiteral("OutputDir=");
    const QString outputBaseFilename = QStringLiteral("OutputBaseFilename=");
    CompileOptions options;
    for (const char *item = block; item && *item; item += std::strlen(item) + 1) {
        const QString option = textOf(item);
        if (option.startsWith(outputDir, Qt::CaseInsensitive)) {
            options.outputDir = option.mid(outputDir.size());
            options.outputDirFixed = true;
        } else if (option.startsWith(outputBaseFilename, Qt::CaseInsensitive)) {
            options.outputBaseFilename = option.mid(outputBaseFilename.size());
            options.outputBaseFilenameFixed = true;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

int32_t run(const TCompileScriptParamsEx &params, const QString &ownFolder, CompilerHost &host)
{
    QString outputFile;
    try {
        const QString compilerDir = params.CompilerPath ? textOf(params.CompilerPath) : ownFolder;
        const QString sourceDir = params.SourcePath ? textOf(params.SourcePath) : QDir::currentPath();
        const std::optional<CompileOptions> options = parseOptions(params.Options);
        if (!options)
            return TCompilerResultInvalidParams;
        const HostPaths paths(sourceDir, compilerDir);

        host.status(QStringLiteral("Preprocessing"));
        Preprocessor preprocessor(paths);
        const SourceLines script = preprocessor.run(host);

        ScriptChecker checker(paths, *options, CodeSectionCompiler(ownFolder), [&host](const QString &message) { host.status(message); });
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

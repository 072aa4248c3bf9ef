#include "engine/setup/BuildThread.h"

#include <QLocale>

#include <cstring>
#include <stdexcept>

namespace talmo {

namespace {
const QString kAborted = QStringLiteral("Compilation aborted by user");

// The library's texts are UTF-8 on this platform, both ways.
QString libraryText(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QString seconds(qint64 milliseconds)
{
    QString text = QString::number(double(milliseconds) / 1000.0, 'f', 3);
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}
} // namespace

TBuildThread::TBuildThread(QObject *parent)
    : QThread(parent)
{
}

void TBuildThread::SetScript(const QStringList &script)
{
    m_script = script;
}

void TBuildThread::SetQuiet(bool quiet)
{
    m_quiet = quiet;
}

void TBuildThread::SetEngine(const CompilerEngine &engine)
{
    m_engine = engine;
}

void TBuildThread::StartCompile()
{
    m_abortRequested = false;
    start();
}

void TBuildThread::RequestAbort()
{
    m_abortRequested = true;
}

QByteArray TBuildThread::OptionBlock(const QString &outputDir, const QString &outputBaseFilename)
{
    QByteArray block;
    if (!outputDir.isEmpty())
        block += "OutputDir=" + outputDir.toUtf8() + '\0';
    if (!outputBaseFilename.isEmpty())
        block += "OutputBaseFilename=" + outputBaseFilename.toUtf8() + '\0';
    block += '\0';
    return block;
}

void TBuildThread::LogError(const QString &text)
{
    m_errorText = text;
    emit logLine(QStringLiteral("Error: ") + text);
}

// With a line, the error reads as the compiler's own output does: "Error on
// line 12 in file.iss: message". An error tied to no file and no line (the
// setup package cannot be written, say) is the message alone, so that the
// dialog after "Project: <name> - " does not read " - : ".
void TBuildThread::LogCompileError(const TCompilerCallbackData &data)
{
    const QString message = libraryText(data.Error.ErrorMsg);
    m_errorMessage = message;
    m_errorFile = libraryText(data.Error.ErrorFilename);
    m_errorLine = data.Error.ErrorLine;
    const QString where = data.Error.ErrorFilename ? QStringLiteral(" in ") + m_errorFile : QString();
    if (m_errorLine <= 0) {
        LogError(where.isEmpty() ? message : where + QStringLiteral(": ") + message);
        return;
    }
    const QString located = QStringLiteral("%1%2: %3").arg(m_errorLine).arg(where, message);
    m_errorText = QStringLiteral("Line ") + located;
    emit logLine(QStringLiteral("Error on line ") + located);
}

void TBuildThread::run()
{
    m_errorText.clear();
    m_errorLine = 0;
    m_errorFile.clear();
    m_errorMessage.clear();
    try {
        execute();
    } catch (...) {
        m_errorText = QStringLiteral("Uknown Exception");
        m_resultCode = 2;
    }
}

void TBuildThread::execute()
{
    CompilerLibrary library;
    CompilerEngine engine = m_engine;
    if (!engine.isComplete()) {
        QString reason;
        if (!library.load(&reason)) {
            LogError(QStringLiteral("Cannot load the compiler library %1: %2").arg(CompilerLibrary::filePath(), reason));
            m_resultCode = 1;
            return;
        }
        engine = library.engine();
    }

    const TCompilerVersionInfo *version = engine.getVersion();
    if (!version || version->BinVersion < MinimumCompilerVersion) {
        LogError(QStringLiteral("Incompatible compiler engine version."));
        m_resultCode = 1;
        return;
    }
    m_resultCode = 0;
    if (!m_quiet) {
        emit logLine(QStringLiteral("Compiler engine version: ") + libraryText(version->Title) + QLatin1Char(' ')
                     + libraryText(version->Version));
        emit logLine(QString());
    }

    const QByteArray sourcePath = ScriptPath.toUtf8();
    const QByteArray options = OptionBlock(OutputDir, OutputBaseFilename);
    TCompileScriptParamsEx params;
    std::memset(&params, 0, sizeof params);
    params.Size = sizeof params;
    params.CompilerPath = nullptr;
    params.SourcePath = sourcePath.constData();
    params.CallbackProc = &TBuildThread::CompilerCallback;
    params.AppData = reinterpret_cast<intptr_t>(this);
    params.Options = options.constData();

    m_compileClock.start();
    m_nextScriptLine = 0;
    m_callbackFailed = false;
    const int32_t result = engine.compileScript(&params);
    if (m_callbackFailed)
        throw std::runtime_error("compiler callback failed");
    if (result == TCompilerResultFailed) {
        m_resultCode = 2;
    } else if (result != TCompilerResultCompiled) {
        m_resultCode = 1;
        LogError(QStringLiteral("Internal error: ISDllCompileScript returned unexpected result (%1).").arg(result));
    }
}

int32_t TBuildThread::CompilerCallback(int32_t code, TCompilerCallbackData *data, intptr_t appData)
{
    auto *self = reinterpret_cast<TBuildThread *>(appData);
    try {
        return self->handleCallback(code, data);
    } catch (...) {
        // Nothing may unwind through the library; the compile is stopped instead.
        self->m_callbackFailed = true;
        return TCompilerCallbackAbort;
    }
}

int32_t TBuildThread::handleCallback(int32_t code, TCompilerCallbackData *data)
{
    if (m_abortRequested) {
        m_resultCode = 9;
        m_errorText = kAborted;
        emit logLine(kAborted);
        return TCompilerCallbackAbort;
    }
    switch (code) {
    case TCompilerCodeReadScript:
        if (m_nextScriptLine < m_script.size()) {
            m_currentScriptLine = m_script.at(m_nextScriptLine++).toUtf8();
            data->ReadScript.LineRead = m_currentScriptLine.constData();
        }
        break;
    case TCompilerCodeStatus:
        if (!m_quiet)
            emit logLine(libraryText(data->Status.StatusMsg));
        break;
    case TCompilerCodeIdle:
        emit compileProgress(data->Idle.CompressProgress, data->Idle.CompressProgressMax, data->Idle.SecondsRemaining,
                             data->Idle.BytesCompressedPerSecond);
        break;
    case TCompilerCodeSuccess: {
        const qint64 elapsed = m_compileClock.elapsed();
        if (!m_quiet)
            emit logLine(QString());
        emit logLine(QStringLiteral("Successful compile (%1 sec). Resulting Setup program filename is:").arg(seconds(elapsed)));
        emit logLine(libraryText(data->Success.OutputExeFilename));
        break;
    }
    case TCompilerCodeError:
        if (data->Error.ErrorMsg)
            LogCompileError(*data);
        break;
    default:
        break;
    }
    return TCompilerCallbackContinue;
}

} // namespace talmo

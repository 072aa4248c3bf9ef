#include "CompilerHost.h"

#include "CompileError.h"

#include <cstring>

namespace talmo::iscmplr {

namespace {
// Every field zero: a union's value-initialisation would clear only its first member.
TCompilerCallbackData emptyData()
{
    TCompilerCallbackData data;
    std::memset(&data, 0, sizeof data);
    return data;
}
} // namespace

CompilerHost::CompilerHost(TCompilerCallbackProc callback, intptr_t appData)
    : m_callback(callback)
    , m_appData(appData)
{
}

int32_t CompilerHost::notify(int32_t code, TCompilerCallbackData &data)
{
    return m_callback ? m_callback(code, &data, m_appData) : TCompilerCallbackContinue;
}

void CompilerHost::notifyOrAbort(int32_t code, TCompilerCallbackData &data)
{
    if (notify(code, data) != TCompilerCallbackContinue)
        throw CompileAborted{};
}

std::optional<QString> CompilerHost::readScriptLine()
{
    TCompilerCallbackData data = emptyData();
    data.ReadScript.Reset = m_firstRead ? 1 : 0;
    m_firstRead = false;
    notifyOrAbort(TCompilerCodeReadScript, data);
    if (!data.ReadScript.LineRead)
        return std::nullopt;
    return QString::fromUtf8(data.ReadScript.LineRead);
}

void CompilerHost::status(const QString &message)
{
    m_text = message.toUtf8();
    TCompilerCallbackData data = emptyData();
    data.Status.StatusMsg = m_text.constData();
    notifyOrAbort(TCompilerCodeStatus, data);
}

void CompilerHost::idle(quint32 progress, quint32 maximum, qint32 secondsRemaining, quint32 bytesPerSecond)
{
    TCompilerCallbackData data = emptyData();
    data.Idle.CompressProgress = progress;
    data.Idle.CompressProgressMax = maximum;
    data.Idle.SecondsRemaining = secondsRemaining;
    data.Idle.BytesCompressedPerSecond = bytesPerSecond;
    notifyOrAbort(TCompilerCodeIdle, data);
}

void CompilerHost::success(const QString &outputFile)
{
    m_text = outputFile.toUtf8();
    TCompilerCallbackData data = emptyData();
    data.Success.OutputExeFilename = m_text.constData();
    notifyOrAbort(TCompilerCodeSuccess, data);
}

void CompilerHost::error(const QString &message, const QString &file, int line)
{
    m_text = message.toUtf8();
    m_fileName = file.toUtf8();
    TCompilerCallbackData data = emptyData();
    data.Error.ErrorMsg = m_text.constData();
    data.Error.ErrorFilename = file.isEmpty() ? nullptr : m_fileName.constData();
    data.Error.ErrorLine = line;
    notify(TCompilerCodeError, data); // the compile ends anyway; the answer changes nothing
}

void CompilerHost::reportAborted()
{
    TCompilerCallbackData data = emptyData();
    notify(TCompilerCodeError, data);
}

} // namespace talmo::iscmplr

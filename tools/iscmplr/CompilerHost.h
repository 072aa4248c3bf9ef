#pragma once

#include "platform/CompilerLibraryApi.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace talmo::iscmplr {

// The caller's side of a compile: every notification goes through its callback.
// Any answer other than "continue" throws CompileAborted, so an abort is
// honoured at every callback.
class CompilerHost
{
public:
    CompilerHost(TCompilerCallbackProc callback, intptr_t appData);

    // The next line of the main script, or nothing at its end.
    std::optional<QString> readScriptLine();
    void status(const QString &message);
    void idle(quint32 progress, quint32 maximum, qint32 secondsRemaining, quint32 bytesPerSecond);
    void success(const QString &outputFile);
    void error(const QString &message, const QString &file, int line);
    // The error notification after an abort: no message.
    void reportAborted();

private:
    int32_t notify(int32_t code, TCompilerCallbackData &data);
    void notifyOrAbort(int32_t code, TCompilerCallbackData &data);

    TCompilerCallbackProc m_callback;
    intptr_t m_appData;
    bool m_firstRead = true;
    // Texts cross the interface as UTF-8 and stay valid until the next call.
    QByteArray m_text;
    QByteArray m_fileName;
};

} // namespace talmo::iscmplr

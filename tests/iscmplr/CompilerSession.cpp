#include "CompilerSession.h"

#include <QFile>
#include <QLibrary>
#include <QtEndian>

#include <cstring>

namespace {
QLibrary &compilerLibrary()
{
    static QLibrary library(QStringLiteral(TALMO_TEST_PROGRAM_DIR "/libISCmplr.so"));
    if (!library.isLoaded() && !library.load())
        qFatal("cannot load the compiler library: %s", qPrintable(library.errorString()));
    return library;
}
} // namespace

TISDllGetVersionProc CompilerSession::versionEntry()
{
    return reinterpret_cast<TISDllGetVersionProc>(compilerLibrary().resolve("ISDllGetVersion"));
}

TISDllCompileScriptProc CompilerSession::compileEntry()
{
    return reinterpret_cast<TISDllCompileScriptProc>(compilerLibrary().resolve("ISDllCompileScript"));
}

int32_t CompilerSession::callback(int32_t code, TCompilerCallbackData *data, intptr_t appData)
{
    auto *self = reinterpret_cast<CompilerSession *>(appData);
    self->codes << code;
    switch (code) {
    case TCompilerCodeReadScript:
        if (self->linesRead < self->script.size()) {
            self->m_currentLine = self->script.at(self->linesRead++).toUtf8();
            data->ReadScript.LineRead = self->m_currentLine.constData();
        }
        break;
    case TCompilerCodeStatus:
        self->statuses << QString::fromUtf8(data->Status.StatusMsg);
        break;
    case TCompilerCodeIdle:
        ++self->idleCalls;
        break;
    case TCompilerCodeSuccess:
        self->successFile = QString::fromUtf8(data->Success.OutputExeFilename);
        break;
    case TCompilerCodeError: {
        Error error;
        error.hasMessage = data->Error.ErrorMsg != nullptr;
        error.message = QString::fromUtf8(data->Error.ErrorMsg);
        error.hasFile = data->Error.ErrorFilename != nullptr;
        error.file = QString::fromUtf8(data->Error.ErrorFilename);
        error.line = data->Error.ErrorLine;
        self->errors << error;
        break;
    }
    default:
        break;
    }
    return code == self->abortAtCode ? TCompilerCallbackAbort : TCompilerCallbackContinue;
}

int CompilerSession::compile()
{
    return compileWith(compileEntry());
}

int CompilerSession::compileWith(TISDllCompileScriptProc entry)
{
    const QByteArray source = sourceDir.toUtf8();
    const QByteArray compiler = compilerDir.toUtf8();
    const QByteArray optionBlock = options + QByteArray(2, '\0');
    TCompileScriptParamsEx params;
    std::memset(&params, 0, sizeof params);
    params.Size = sizeof params;
    params.CompilerPath = compilerDir.isEmpty() ? nullptr : compiler.constData();
    params.SourcePath = source.constData();
    params.CallbackProc = &CompilerSession::callback;
    params.AppData = reinterpret_cast<intptr_t>(this);
    params.Options = optionBlock.constData();
    result = entry(&params);
    return result;
}

QMap<QString, QByteArray> readSetupPackage(const QString &path, QString *problem)
{
    QMap<QString, QByteArray> entries;
    QFile file(path);
    const auto fail = [&](const char *why) {
        if (problem)
            *problem = QString::fromLatin1(why);
        return QMap<QString, QByteArray>();
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail("cannot open");
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith(QByteArray("TALMOSETUP\x1A\x01", 12)))
        return fail("bad magic");
    qsizetype pos = 12;
    while (pos < bytes.size()) {
        if (pos + 4 > bytes.size())
            return fail("truncated name length");
        const quint32 nameLength = qFromLittleEndian<quint32>(bytes.constData() + pos);
        pos += 4;
        const QString name = QString::fromUtf8(bytes.mid(pos, nameLength));
        pos += nameLength;
        if (pos + 8 > bytes.size())
            return fail("truncated data length");
        const quint64 dataLength = qFromLittleEndian<quint64>(bytes.constData() + pos);
        pos += 8;
        if (pos + qsizetype(dataLength) > bytes.size())
            return fail("truncated data");
        entries.insert(name, bytes.mid(pos, qsizetype(dataLength)));
        pos += qsizetype(dataLength);
    }
    return entries;
}

#pragma once

// The compiler library of the program folder, and a feeder that hands it a
// script line by line, as the compile thread does, and runs one compile of it.

#include "platform/CompilerLibraryApi.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLibrary>
#include <QList>
#include <QString>

#include <cstring>

// The benchmarks are built beside the program folder ("bench" next to "bin").
inline QString BenchProgramFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
}

// The compile entry of the program folder's compiler library; null when it is missing.
inline TISDllCompileScriptProc ProgramFolderCompileEntry()
{
    static QLibrary library(BenchProgramFolder() + QStringLiteral("/libISCmplr.so"));
    return reinterpret_cast<TISDllCompileScriptProc>(library.resolve("ISDllCompileScript"));
}

struct ScriptFeeder
{
    QList<QByteArray> lines;
    int next = 0;

    static int32_t callback(int32_t code, TCompilerCallbackData *data, intptr_t appData)
    {
        auto *self = reinterpret_cast<ScriptFeeder *>(appData);
        if (code == TCompilerCodeReadScript && self->next < self->lines.size())
            data->ReadScript.LineRead = self->lines.at(self->next++).constData();
        return TCompilerCallbackContinue;
    }

    // options: the NUL-separated block with its closing NUL.
    bool compile(TISDllCompileScriptProc entry, const QByteArray &sourcePath, const QByteArray &options)
    {
        next = 0;
        TCompileScriptParamsEx params;
        std::memset(&params, 0, sizeof params);
        params.Size = sizeof params;
        params.SourcePath = sourcePath.constData();
        params.CallbackProc = &ScriptFeeder::callback;
        params.AppData = reinterpret_cast<intptr_t>(this);
        params.Options = options.constData();
        return entry(&params) == TCompilerResultCompiled;
    }
};

#pragma once

// An in-process compiler for the setup build tests of the core and window
// test executables (header-only): each test chooses what a compile does.

#include "engine/setup/CompilerLibrary.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QThread>

#include <cstring>
#include <functional>

namespace talmo::testing {

struct FakeSetupCompiler
{
    using Behaviour = std::function<int32_t(const TCompileScriptParamsEx &)>;

    static inline Behaviour behaviour;
    static inline int compileCalls = 0;

    static const TCompilerVersionInfo *Version()
    {
        static const TCompilerVersionInfo info{"Fake", "5.0.5", 0x05000500};
        return &info;
    }

    static int32_t Compile(const TCompileScriptParamsEx *params)
    {
        ++compileCalls;
        return behaviour(*params);
    }

    static CompilerEngine Engine() { return {&FakeSetupCompiler::Version, &FakeSetupCompiler::Compile}; }

    static int32_t Notify(const TCompileScriptParamsEx &params, int32_t code, TCompilerCallbackData data)
    {
        return params.CallbackProc(code, &data, params.AppData);
    }

    // Every script line the builder hands out.
    static QStringList ReadScript(const TCompileScriptParamsEx &params)
    {
        QStringList lines;
        for (;;) {
            TCompilerCallbackData data{};
            params.CallbackProc(TCompilerCodeReadScript, &data, params.AppData);
            if (!data.ReadScript.LineRead)
                return lines;
            lines << QString::fromUtf8(data.ReadScript.LineRead);
        }
    }

    static int32_t Idle(const TCompileScriptParamsEx &params, quint32 progress, quint32 maximum, qint32 seconds,
                        quint32 bytesPerSecond)
    {
        TCompilerCallbackData data{};
        data.Idle = {progress, maximum, seconds, bytesPerSecond};
        return Notify(params, TCompilerCodeIdle, data);
    }

    // The option block as "Name=value" items.
    static QStringList Options(const TCompileScriptParamsEx &params)
    {
        QStringList options;
        for (const char *item = params.Options; *item; item += std::strlen(item) + 1)
            options << QString::fromUtf8(item);
        return options;
    }

    // Writes <OutputDir>/setup.exe and reports it.
    static int32_t Succeed(const TCompileScriptParamsEx &params)
    {
        const QString outputDir = Options(params).value(0).mid(int(std::strlen("OutputDir=")));
        const QByteArray file = QDir(outputDir).filePath(QStringLiteral("setup.exe")).toUtf8();
        QFile output(QString::fromUtf8(file));
        if (!output.open(QIODevice::WriteOnly))
            return TCompilerResultFailed;
        output.write("package");
        output.close();
        TCompilerCallbackData data{};
        data.Success.OutputExeFilename = file.constData();
        Notify(params, TCompilerCodeSuccess, data);
        return TCompilerResultCompiled;
    }

    static int32_t Fail(const TCompileScriptParamsEx &params, const char *message)
    {
        TCompilerCallbackData data{};
        data.Error.ErrorMsg = message;
        Notify(params, TCompilerCodeError, data);
        return TCompilerResultFailed;
    }

    // Reports progress, then keeps calling back until the builder asks it to
    // stop (Cancel), as a long compile would; gives up after a few seconds.
    static int32_t RunUntilAborted(const TCompileScriptParamsEx &params)
    {
        const QDeadlineTimer deadline(5000);
        int32_t answer = Idle(params, 1, 100, 60, 4096);
        while (answer != TCompilerCallbackAbort && !deadline.hasExpired()) {
            QThread::yieldCurrentThread();
            TCompilerCallbackData data{};
            data.Status.StatusMsg = "Compressing";
            answer = Notify(params, TCompilerCodeStatus, data);
        }
        TCompilerCallbackData aborted{};
        Notify(params, TCompilerCodeError, aborted);
        return TCompilerResultFailed;
    }
};

} // namespace talmo::testing

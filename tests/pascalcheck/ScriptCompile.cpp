#include "ScriptCompile.h"

#include "engine/setup/CompilerLibrary.h"

#include <gtest/gtest.h>

namespace {

struct Session
{
    const QStringList *script = nullptr;
    int next = 0;
    QByteArray current;
    QStringList errors;
};

int32_t callback(int32_t code, TCompilerCallbackData *data, intptr_t appData)
{
    Session &session = *reinterpret_cast<Session *>(appData);
    switch (code) {
    case 1: // read a line
        if (data->ReadScript.Reset)
            session.next = 0;
        if (session.next < session.script->size()) {
            session.current = session.script->at(session.next++).toUtf8();
            data->ReadScript.LineRead = session.current.constData();
        } else {
            data->ReadScript.LineRead = nullptr;
        }
        break;
    case 5:
        session.errors.append(QStringLiteral("%1:%2: %3")
                                  .arg(QString::fromUtf8(data->Error.ErrorFilename ? data->Error.ErrorFilename : ""))
                                  .arg(data->Error.ErrorLine)
                                  .arg(QString::fromUtf8(data->Error.ErrorMsg ? data->Error.ErrorMsg : "")));
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

ScriptCompileResult compileScript(const QStringList &script, const QString &sourceDir, const QString &outputDir)
{
    ScriptCompileResult result;
    talmo::CompilerLibrary library;
    QString problem;
    if (!library.load(&problem)) {
        ADD_FAILURE() << problem.toStdString();
        return result;
    }
    Session session;
    session.script = &script;
    const QByteArray source = sourceDir.toUtf8();
    const QByteArray options = "OutputDir=" + outputDir.toUtf8() + '\0' + "OutputBaseFilename=setup" + '\0' + '\0';
    TCompileScriptParamsEx params{};
    params.Size = sizeof params;
    params.SourcePath = source.constData();
    params.CallbackProc = &callback;
    params.AppData = reinterpret_cast<intptr_t>(&session);
    params.Options = options.constData();
    result.result = library.engine().compileScript(&params);
    result.errors = session.errors;
    return result;
}

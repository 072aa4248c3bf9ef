#pragma once

// What the compiler-library fuzzers share: a source folder of their own, a
// session that records what the library reports, and one compile through
// the C interface that cannot send the package out of the folder.

#include "platform/CompilerLibraryApi.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace talmo::fuzzing {

class WorkFolder
{
public:
    WorkFolder()
    {
        if (!m_dir.isValid())
            std::abort();
        writeSource(QStringLiteral("app/readme.txt"), "hello");
        writeSource(QStringLiteral("app/tool.bin"), QByteArray(4096, 'x'));
        writeSource(QStringLiteral("extra.iss"), "[Files]\r\nSource: app\\readme.txt; DestDir: {app}\r\n");
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    QStringList files() const
    {
        QStringList found;
        QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        return found;
    }

    void writeSource(const QString &relative, const QByteArray &content) const
    {
        QDir().mkpath(QFileInfo(filePath(relative)).path());
        QFile file(filePath(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            std::abort();
    }

private:
    QTemporaryDir m_dir;
};

struct Session
{
    QList<QByteArray> lines;
    int linesRead = 0;
    int errors = 0;
    bool errorHasMessage = false;
    bool errorNamesAFile = false;
    QByteArray errorFile;
    int errorLine = 0;
    QByteArray errorMessage;
    QByteArray successFile;
    int successes = 0;

    static int32_t callback(int32_t code, TCompilerCallbackData *data, intptr_t appData)
    {
        auto *self = reinterpret_cast<Session *>(appData);
        switch (code) {
        case TCompilerCodeReadScript:
            if (self->linesRead < self->lines.size())
                data->ReadScript.LineRead = self->lines[self->linesRead++].constData();
            break;
        case TCompilerCodeSuccess:
            ++self->successes;
            self->successFile = data->Success.OutputExeFilename;
            break;
        case TCompilerCodeError:
            ++self->errors;
            self->errorHasMessage = data->Error.ErrorMsg != nullptr;
            self->errorMessage = data->Error.ErrorMsg ? data->Error.ErrorMsg : "";
            self->errorNamesAFile = data->Error.ErrorFilename != nullptr;
            self->errorFile = data->Error.ErrorFilename ? data->Error.ErrorFilename : "";
            self->errorLine = data->Error.ErrorLine;
            break;
        default:
            break;
        }
        return TCompilerCallbackContinue;
    }
};

// Compiles the session's lines with the folder as source and
// <folder>/Output/setup.exe as the only place for the package.
inline int32_t compileIn(const WorkFolder &work, Session &session)
{
    const QByteArray source = work.path().toUtf8();
    const QByteArray compiler = QByteArrayLiteral(TALMO_FUZZ_COMPILER_DIR);
    const QByteArray output = work.filePath(QStringLiteral("Output")).toUtf8();
    // The script cannot send the package elsewhere: the options win over [Setup].
    const QByteArray options = "OutputDir=" + output + '\0' + "OutputBaseFilename=setup" + '\0' + '\0';
    TCompileScriptParamsEx params;
    std::memset(&params, 0, sizeof params);
    params.Size = sizeof params;
    params.CompilerPath = compiler.constData();
    params.SourcePath = source.constData();
    params.CallbackProc = &Session::callback;
    params.AppData = reinterpret_cast<intptr_t>(&session);
    params.Options = options.constData();
    return ISDllCompileScript(&params);
}

inline QString packagePath(const WorkFolder &work)
{
    return work.filePath(QStringLiteral("Output/setup.exe"));
}

} // namespace talmo::fuzzing

// Feeds arbitrary text to the compiler library as a script, one line per
// line of the input, through its C interface. A compile ends with 0 or 2: on
// 0 the package named by the success notification is there and nothing was
// reported as an error; on 2 exactly one error was reported, a message with
// a line inside the script (or none) when it names no include file, and no
// package is left behind. An internal error is a finding.

#include "platform/CompilerLibraryApi.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace {

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

private:
    void writeSource(const QString &relative, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(filePath(relative)).path());
        QFile file(filePath(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            std::abort();
    }

    QTemporaryDir m_dir;
};

struct Session
{
    QList<QByteArray> lines;
    int linesRead = 0;
    int errors = 0;
    bool errorHasMessage = false;
    bool errorNamesAFile = false;
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
            self->errorLine = data->Error.ErrorLine;
            break;
        default:
            break;
        }
        return TCompilerCallbackContinue;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const WorkFolder work;
    static const QStringList sourceFiles = work.files();
    Session session;
    for (QByteArray line : QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        // A C string ends at its first NUL.
        session.lines << QByteArray(line.constData());
    }

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
    const int32_t result = ISDllCompileScript(&params);

    const QString package = QString::fromUtf8(output) + QStringLiteral("/setup.exe");
    if (result == TCompilerResultCompiled) {
        if (session.successes != 1 || session.errors != 0 || QString::fromUtf8(session.successFile) != package)
            std::abort();
        QFile file(package);
        if (!file.open(QIODevice::ReadOnly) || !file.read(12).startsWith("TALMOSETUP"))
            std::abort();
        file.remove();
    } else if (result == TCompilerResultFailed) {
        if (session.successes != 0 || session.errors != 1 || !session.errorHasMessage
            || session.errorMessage.startsWith("Internal error"))
            std::abort();
        if (!session.errorNamesAFile && (session.errorLine < 0 || session.errorLine > session.lines.size()))
            std::abort();
    } else {
        std::abort();
    }
    if (work.files() != sourceFiles)
        std::abort();
    return 0;
}

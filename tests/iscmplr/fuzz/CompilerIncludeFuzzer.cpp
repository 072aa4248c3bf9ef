// Feeds arbitrary bytes to the compiler library as the files a script names:
// with the first byte even, the rest is an #include'd file; with it odd, a
// [Languages] messages file (.isl) whose custom message the script uses. A
// compile ends with 0 or 2, with the package or exactly one error and no
// package; an error that names a file names one of the source folder's files
// at a line it has. A messages file without any "=" defines no message, so
// the compile must fail on the message it lacks. Nothing but the package is
// ever written.

#include "CompilerFuzzSession.h"

using namespace talmo::fuzzing;

namespace {

QList<QByteArray> scriptLines(bool messagesFile)
{
    QList<QByteArray> lines{"[Setup]", "AppName=Demo", "AppVersion=1.0", "DefaultDirName={pf}\\Demo"};
    if (messagesFile)
        lines << "[Languages]" << "Name: en; MessagesFile: fuzz.isl" << "[Icons]"
              << "Name: {group}\\{cm:FuzzMessage}; Filename: {uninstallexe}";
    else
        lines << "#include \"fuzz.isi\"";
    return lines;
}

qsizetype lineCount(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') + 1 : -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const WorkFolder work;
    static const QStringList sourceFiles = work.files();
    const bool messagesFile = (data[0] & 1) != 0;
    const QByteArray content(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString fuzzed = work.filePath(messagesFile ? QStringLiteral("fuzz.isl") : QStringLiteral("fuzz.isi"));
    work.writeSource(messagesFile ? QStringLiteral("fuzz.isl") : QStringLiteral("fuzz.isi"), content);
    QStringList expectedFiles = sourceFiles + QStringList{fuzzed};
    expectedFiles.sort();

    Session session;
    session.lines = scriptLines(messagesFile);
    const int32_t result = compileIn(work, session);
    const QString package = packagePath(work);
    if (result == TCompilerResultCompiled) {
        if (session.successes != 1 || session.errors != 0 || !QFile::remove(package))
            std::abort();
        if (messagesFile && !content.contains('='))
            std::abort();
    } else if (result == TCompilerResultFailed) {
        if (session.successes != 0 || session.errors != 1 || !session.errorHasMessage
            || session.errorMessage.startsWith("Internal error") || QFile::exists(package))
            std::abort();
        if (session.errorNamesAFile) {
            const QString file = QString::fromUtf8(session.errorFile);
            if (!expectedFiles.contains(file) || session.errorLine < 0 || session.errorLine > lineCount(file))
                std::abort();
        }
    } else {
        std::abort();
    }
    if (work.files() != expectedFiles)
        std::abort();
    QFile::remove(fuzzed);
    return 0;
}

// Feeds arbitrary text to the compiler library as a script, one line per
// line of the input, through its C interface. A compile ends with 0 or 2: on
// 0 the package named by the success notification is there and nothing was
// reported as an error; on 2 exactly one error was reported, a message with
// a line inside the script (or none) when it names no include file, and no
// package is left behind. An internal error is a finding.

#include "CompilerFuzzSession.h"

using namespace talmo::fuzzing;

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

    const int32_t result = compileIn(work, session);
    const QString package = packagePath(work);
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

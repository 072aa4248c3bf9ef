// Feeds arbitrary bytes to our cabwiz as its .inf file, with the source
// folders a project build would have. A run ends with 0 or 1: on 0 every
// cabinet asked for is there and nothing says "Error"; on 1 an "Error" line
// says why and the output folder stays empty. Inputs of odd length run with a
// /cpu list, the others without.

#include "tools/cabwiz/Cabwiz.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace talmo;

namespace {

class WorkFolder
{
public:
    WorkFolder()
    {
        if (!m_dir.isValid())
            std::abort();
        writeSource(QStringLiteral("src/common/readme.txt"), "read me\n");
        writeSource(QStringLiteral("src/common/app.exe"), "generic build");
        writeSource(QStringLiteral("src/arm/app.exe"), "arm build");
        writeSource(QStringLiteral("src/mips/app.exe"), "mips build");
    }

    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

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

bool anyLineStartsWithError(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("Error")))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const WorkFolder work;
    const QString inf = work.filePath(QStringLiteral("input.inf"));
    QFile file(inf);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    QDir output(work.filePath(QStringLiteral("out")));
    output.removeRecursively();
    QDir().mkpath(output.path());

    QStringList arguments{ inf, QStringLiteral("/dest"), output.path() };
    QStringList expected{ QStringLiteral("input.CAB") };
    if (size % 2 == 1) {
        arguments << QStringLiteral("/cpu") << QStringLiteral("ARMV4") << QStringLiteral("MIPSII");
        expected = QStringList{ QStringLiteral("input.ARMV4.CAB"), QStringLiteral("input.MIPSII.CAB") };
    }
    QStringList lines;
    const int exitCode = cabwiz::runCabwiz(arguments, &lines);
    const QStringList written = output.entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (exitCode == 0 && (written != expected || anyLineStartsWithError(lines)))
        std::abort();
    if (exitCode == 1 && (!written.isEmpty() || !anyLineStartsWithError(lines)))
        std::abort();
    if (exitCode != 0 && exitCode != 1)
        std::abort();
    return 0;
}

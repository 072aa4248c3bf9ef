// Feeds arbitrary bytes to the project-file reader through a file on disk. A
// refused file stays as it was, nothing else is written and the project is
// unnamed; an accepted one saves, reloads and saves again to the same bytes.

#include "FuzzWorkFolder.h"

#include "model/ProjectContainer.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectFileWriter.h"

using namespace talmo;
using namespace talmo::fuzzing;

namespace {

bool load(TProjectContainer &project, const QString &fileName)
{
    project.SetRandomSource(std::make_shared<CountingRandomSource>());
    return ProjectFileReader::LoadFromFile(project, fileName);
}

QByteArray save(TProjectContainer &project, const QString &fileName)
{
    project.SetRandomSource(std::make_shared<CountingRandomSource>());
    if (!ProjectFileWriter::SaveToFile(project, fileName) || project.FileName != fileName || project.Modified)
        std::abort();
    return readAll(fileName);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzWorkFolder work;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString input = work.filePath(QStringLiteral("input.talmo"));
    writeAll(input, bytes);

    TProjectContainer project;
    if (!load(project, input)) {
        if (!project.FileName.isEmpty() || readAll(input) != bytes || work.files() != QStringList{ "input.talmo" })
            std::abort();
        work.removeAll();
        return 0;
    }
    if (project.FileName != input || project.Modified)
        std::abort();
    const QByteArray first = save(project, work.filePath(QStringLiteral("first.talmo")));
    TProjectContainer reloaded;
    if (!load(reloaded, work.filePath(QStringLiteral("first.talmo"))))
        std::abort();
    if (save(reloaded, work.filePath(QStringLiteral("second.talmo"))) != first)
        std::abort();
    work.removeAll();
    return 0;
}

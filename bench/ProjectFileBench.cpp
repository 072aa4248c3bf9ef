#include "model/ProjectContainer.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectFileWriter.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using namespace talmo;

// A large project at range(0) device files; at 20,000: three configurations
// over 200 folders, 5,000 desktop files and 500 device registry entries.
void fillLargeProject(TProjectContainer &project, int deviceFiles)
{
    const int desktopFiles = deviceFiles / 4;
    const int registryEntries = deviceFiles / 40;
    for (int d = 0; d < 3; ++d)
        project.CEDevices.AddNew().Caption = d == 0 ? QStringLiteral("CEDevice [ Default ]")
                                                    : QStringLiteral("CEDevice.CPU%1").arg(d);
    for (int f = 0; f < deviceFiles; ++f) {
        TPPCFS_File &file = project.CEDevices[f % 3].Files.AddNew();
        file.SourceDir = QStringLiteral("C:\\Source\\Folder%1\\").arg(f % 200);
        file.SourceName = QStringLiteral("file%1.dat").arg(f);
        file.DestinationDir = QStringLiteral("%InstallDir%\\Folder%1\\").arg(f % 200);
        file.DestinationName = file.SourceName;
    }
    for (int m = 0; m < 5; ++m) {
        TWin32Plugin &module = project.Win32Plugins.AddNew();
        module.Caption = QStringLiteral("Module %1").arg(m);
        for (int f = m; f < desktopFiles; f += 5) {
            TWin32FileEntry &entry = module.FileEntries.AddNew();
            entry.Source = QStringLiteral("C:\\Desktop\\file%1.bin").arg(f);
            entry.Destination = QStringLiteral("{app}\\Data");
            entry.FlagIgnoreVersion = f % 2;
        }
    }
    for (int s = 0; s < 5; ++s) {
        TRegistrySection &section = project.RegistrySections.AddNew();
        section.Caption = QStringLiteral("Registry%1").arg(s);
        for (int e = s; e < registryEntries; e += 5) {
            TRegistryEntry &entry = section.Entries.AddNew();
            entry.registry_root_string = QStringLiteral("HKLM");
            entry.subkey = QStringLiteral("Software\\Acme\\Key%1").arg(e);
            entry.value_name = QStringLiteral("Value");
            entry.flags = QStringLiteral("TYPE_SZ");
            entry.value = QString::number(e);
        }
    }
}

QByteArray savedDocument(int deviceFiles)
{
    TProjectContainer project;
    fillLargeProject(project, deviceFiles);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ProjectFileWriter::SaveToStream(project, QStringLiteral("large.talmo"), buffer);
    return buffer.data();
}

void writeElement(QXmlStreamWriter &writer, const XmlElement &element)
{
    writer.writeStartElement(element.name());
    if (element.children().empty())
        writer.writeCharacters(element.text());
    for (const auto &child : element.children())
        writeElement(writer, *child);
    writer.writeEndElement();
}

void saveProject(benchmark::State &state)
{
    TProjectContainer project;
    fillLargeProject(project, int(state.range(0)));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(ProjectFileWriter::SaveToStream(project, QStringLiteral("large.talmo"), buffer));
    }
    state.SetComplexityN(state.range(0));
}

void loadProject(benchmark::State &state)
{
    QByteArray document = savedDocument(int(state.range(0)));
    for (auto _ : state) {
        QBuffer buffer(&document);
        buffer.open(QIODevice::ReadOnly);
        TProjectContainer project;
        benchmark::DoNotOptimize(ProjectFileReader::LoadFromStream(project, QStringLiteral("large.talmo"), buffer));
    }
    state.SetComplexityN(state.range(0));
}

// What a bare QXmlStreamWriter pass over the same document costs.
void bareStreamWriter(benchmark::State &state)
{
    const std::unique_ptr<XmlElement> root = XmlTree::parse(savedDocument(int(state.range(0))));
    for (auto _ : state) {
        QByteArray out;
        QXmlStreamWriter writer(&out);
        writeElement(writer, *root);
        benchmark::DoNotOptimize(out.size());
    }
}

// What a bare QXmlStreamReader pass over the same document costs.
void bareStreamReader(benchmark::State &state)
{
    const QByteArray document = savedDocument(int(state.range(0)));
    for (auto _ : state) {
        QXmlStreamReader reader(document);
        qsizetype characters = 0;
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::Characters)
                characters += reader.text().size();
        }
        benchmark::DoNotOptimize(characters);
    }
}

} // namespace

BENCHMARK(saveProject)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(bareStreamWriter)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(loadProject)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(bareStreamReader)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

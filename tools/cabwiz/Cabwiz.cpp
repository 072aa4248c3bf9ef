#include "tools/cabwiz/Cabwiz.h"

#include "platform/HostPath.h"
#include "tools/cabwiz/CabPlanner.h"
#include "tools/cabwiz/CabinetBatch.h"
#include "tools/cabwiz/CommandLine.h"
#include "tools/cabwiz/Diagnostics.h"
#include "tools/cabwiz/InfError.h"
#include "tools/cabwiz/SetupDescriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <memory>

namespace talmo::cabwiz {

namespace {

enum ExitCode { Success = 0, InputFault = 1, CommandLineFault = 2 };

// A processor name may hold blanks; the cabinet's name carries "_" in their
// place, as the .inf file's name does for the application's name, so that the
// names the build expects and the names written here are the same.
QString processorCabinetName(const QString &infBaseName, QString processor)
{
    return infBaseName + u'.' + processor.replace(u' ', u'_') + QStringLiteral(".CAB");
}

QList<CabinetJob> planCabinets(const CommandLine &line, const QString &infPath, const QString &destination,
                            Diagnostics &diagnostics)
{
    const InfDocument inf = InfDocument::load(infPath);
    const QFileInfo infFile(infPath);
    CabPlanner planner(inf, infFile.absolutePath(), diagnostics);
    const QDir output(destination);
    QList<CabinetJob> cabinets;
    auto add = [&](const QString &name, const QString &processor) {
        const CabPlan plan = planner.plan(processor);
        cabinets.append(CabinetJob{output.filePath(name), plan, SetupDescriptor::write(plan)});
    };
    if (line.processors.isEmpty())
        add(infFile.completeBaseName() + QStringLiteral(".CAB"), QString());
    for (const QString &processor : line.processors)
        add(processorCabinetName(infFile.completeBaseName(), processor), processor);
    return cabinets;
}

void writeCabinets(const QList<CabinetJob> &cabinets, bool compress, Diagnostics &diagnostics)
{
    const CabinetBatch batch(compress, QDateTime::currentDateTime(), QThread::idealThreadCount());
    for (const InfError &error : batch.write(cabinets))
        diagnostics.error(error);
}

// Opened before anything is planned, so a log that cannot be written costs no cabinet.
std::unique_ptr<QFile> openErrorFile(const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    auto file = std::make_unique<QFile>(ToHostPath(path));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw InfError(QStringLiteral("cannot write the error file %1: %2").arg(file->fileName(), file->errorString()));
    return file;
}

void writeLines(QFile *file, const QStringList &lines)
{
    for (const QString &line : lines)
        file->write(line.toUtf8() + '\n');
}

} // namespace

int runCabwiz(const QStringList &arguments, QStringList *output)
{
    CommandLine line;
    try {
        line = CommandLine::parse(arguments);
    } catch (const InfError &error) {
        Diagnostics diagnostics;
        diagnostics.error(error);
        output->append(diagnostics.lines());
        return CommandLineFault;
    }
    const QString infPath = ToHostPath(line.infPath);
    const QString destination = ToHostPath(line.destination);
    Diagnostics diagnostics(infPath);
    std::unique_ptr<QFile> errorFile;
    try {
        errorFile = openErrorFile(line.errorFile);
        if (!QFileInfo(destination).isDir())
            throw InfError(QStringLiteral("the output folder %1 does not exist").arg(destination));
        const QList<CabinetJob> cabinets = planCabinets(line, infPath, destination, diagnostics);
        if (!diagnostics.hasErrors())
            writeCabinets(cabinets, line.compress, diagnostics);
    } catch (const InfError &error) {
        diagnostics.error(error);
    }
    output->append(diagnostics.lines());
    if (errorFile)
        writeLines(errorFile.get(), diagnostics.lines());
    return diagnostics.hasErrors() ? InputFault : Success;
}

} // namespace talmo::cabwiz

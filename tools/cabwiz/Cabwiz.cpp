#include "tools/cabwiz/Cabwiz.h"

#include "platform/HostPath.h"
#include "tools/cabwiz/CabPlanner.h"
#include "tools/cabwiz/CabinetWriter.h"
#include "tools/cabwiz/CommandLine.h"
#include "tools/cabwiz/Diagnostics.h"
#include "tools/cabwiz/InfError.h"
#include "tools/cabwiz/SetupDescriptor.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace talmo::cabwiz {

namespace {

enum ExitCode { Success = 0, InputFault = 1, CommandLineFault = 2 };

struct Cabinet
{
    QString path;
    CabPlan plan;
};

QList<Cabinet> planCabinets(const CommandLine &line, const QString &infPath, const QString &destination,
                            Diagnostics &diagnostics)
{
    const InfDocument inf = InfDocument::load(infPath);
    const QFileInfo infFile(infPath);
    CabPlanner planner(inf, infFile.absolutePath(), diagnostics);
    const QDir output(destination);
    QList<Cabinet> cabinets;
    if (line.processors.isEmpty()) {
        cabinets.append(Cabinet{output.filePath(infFile.completeBaseName() + QStringLiteral(".CAB")), planner.plan(QString())});
    }
    for (const QString &processor : line.processors) {
        cabinets.append(Cabinet{output.filePath(infFile.completeBaseName() + u'.' + processor + QStringLiteral(".CAB")),
                                planner.plan(processor)});
    }
    return cabinets;
}

void writeCabinets(const QList<Cabinet> &cabinets, bool compress)
{
    std::vector<std::unique_ptr<CabinetWriter>> writers;
    for (const Cabinet &cabinet : cabinets) {
        writers.push_back(std::make_unique<CabinetWriter>(cabinet.path, compress));
        writers.back()->write(cabinet.plan, SetupDescriptor::MemberName, SetupDescriptor::write(cabinet.plan));
    }
    for (const auto &writer : writers)
        writer->commit();
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
    try {
        if (!QFileInfo(destination).isDir())
            throw InfError(QStringLiteral("the output folder %1 does not exist").arg(destination));
        const QList<Cabinet> cabinets = planCabinets(line, infPath, destination, diagnostics);
        if (!diagnostics.hasErrors())
            writeCabinets(cabinets, line.compress);
    } catch (const InfError &error) {
        diagnostics.error(error);
    }
    output->append(diagnostics.lines());
    return diagnostics.hasErrors() ? InputFault : Success;
}

} // namespace talmo::cabwiz

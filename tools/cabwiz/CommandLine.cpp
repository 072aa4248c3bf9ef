#include "tools/cabwiz/CommandLine.h"

#include "tools/cabwiz/InfError.h"

namespace talmo::cabwiz {

const QString CommandLine::Usage =
    QStringLiteral("usage: cabwiz <inf file> /dest <output folder> [/err <file>] [/cpu <name> ...] [/compress]");

namespace {

bool isOption(const QString &argument, const char *name)
{
    return argument.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    bool readingProcessors = false;
    bool processorOption = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (isOption(argument, "/dest")) {
            if (i + 1 >= arguments.size())
                throw InfError(QStringLiteral("/dest needs an output folder; ") + Usage);
            line.destination = arguments[++i];
            readingProcessors = false;
        } else if (isOption(argument, "/err")) {
            if (i + 1 >= arguments.size())
                throw InfError(QStringLiteral("/err needs a file name; ") + Usage);
            line.errorFile = arguments[++i];
            readingProcessors = false;
        } else if (isOption(argument, "/cpu")) {
            readingProcessors = true;
            processorOption = true;
        } else if (isOption(argument, "/compress")) {
            line.compress = true;
            readingProcessors = false;
        } else if (readingProcessors) {
            if (argument.trimmed().isEmpty() || argument.contains(u'/') || argument.contains(u'\\'))
                throw InfError(QStringLiteral("invalid processor name \"%1\" after /cpu; ").arg(argument) + Usage);
            // Each processor gets one cabinet, however often it is named.
            if (!line.processors.contains(argument, Qt::CaseInsensitive))
                line.processors.append(argument);
        } else if (line.infPath.isEmpty()) {
            line.infPath = argument;
        } else {
            throw InfError(QStringLiteral("unexpected argument %1; ").arg(argument) + Usage);
        }
    }
    if (line.infPath.isEmpty())
        throw InfError(QStringLiteral("no .inf file given; ") + Usage);
    if (line.destination.isEmpty())
        throw InfError(QStringLiteral("no output folder given (/dest); ") + Usage);
    if (processorOption && line.processors.isEmpty())
        throw InfError(QStringLiteral("/cpu names no processor; ") + Usage);
    return line;
}

} // namespace talmo::cabwiz

#pragma once

#include <QString>
#include <QStringList>

namespace talmo::cabwiz {

// "<inf> /dest <folder> [/err <file>] [/cpu name ...] [/compress]". Options are matched
// ignoring case; since a Linux path may begin with "/", only these exact option
// names count as options. Every other argument is the .inf file (the first one)
// or, after "/cpu", a processor name.
struct CommandLine
{
    QString infPath;
    QString destination;
    QString errorFile; // where the messages go as well, when given
    QStringList processors;
    bool compress = false;

    // Throws InfError with a message naming what is missing or unexpected.
    static CommandLine parse(const QStringList &arguments);

    static const QString Usage;
};

} // namespace talmo::cabwiz

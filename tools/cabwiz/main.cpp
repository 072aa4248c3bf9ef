#include "tools/cabwiz/Cabwiz.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList output;
    const int exitCode = talmo::cabwiz::runCabwiz(application.arguments().mid(1), &output);
    for (const QString &line : std::as_const(output))
        std::printf("%s\n", line.toLocal8Bit().constData());
    return exitCode;
}

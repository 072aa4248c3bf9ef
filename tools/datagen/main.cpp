// Writes the generated part of the data that ships beside the program.
// Usage: talmo_datagen <program folder>

#include "tools/datagen/RedistCabinets.h"
#include "tools/datagen/SetupImages.h"

#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: talmo_datagen <program folder>\n");
        return 2;
    }
    const QString programFolder = QString::fromLocal8Bit(argv[1]);
    QString error;
    if (!talmo::SetupImages::writeAll(programFolder, &error)
        || !talmo::RedistCabinets::writeAll(programFolder, &error)) {
        std::fprintf(stderr, "talmo_datagen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

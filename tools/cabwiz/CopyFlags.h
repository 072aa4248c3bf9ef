#pragma once

#include <QString>
#include <QStringList>

namespace talmo::cabwiz {

// What a copy line's flag word tells the device. The setup descriptor carries
// some flags as parms of the file's Extract; for the others it has no place,
// and they are named so the author learns the device will not see them.
struct CopyFlagReading
{
    QStringList descriptorParms; // parm names for the file's Extract
    QStringList leftOut;         // "NAME (0x...)" of each flag the descriptor cannot carry
    quint32 unknownBits = 0;     // bits of no known flag
};

CopyFlagReading readCopyFlags(quint32 word);

} // namespace talmo::cabwiz

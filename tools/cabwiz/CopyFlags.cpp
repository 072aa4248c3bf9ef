#include "tools/cabwiz/CopyFlags.h"

namespace talmo::cabwiz {

namespace {

struct CopyFlag
{
    quint32 bit;
    const char *name;
    const char *descriptorParm; // nullptr: the descriptor has no place for it
};

// The flags a device .inf may give a copied file.
const CopyFlag KnownFlags[] = {
    {0x00000001, "COPYFLG_WARN_IF_SKIP", nullptr},
    {0x00000002, "COPYFLG_NOSKIP", nullptr},
    {0x00000010, "COPYFLG_NO_OVERWRITE", "NoOverwrite"},
    {0x00000400, "COPYFLG_REPLACEONLY", nullptr},
    {0x20000000, "CE_COPYFLG_NO_DATE_DIALOG", nullptr},
    {0x40000000, "CE_COPYFLG_NODATECHECK", nullptr},
    {0x80000000, "CE_COPYFLG_SHARED", "Shared"},
};

} // namespace

CopyFlagReading readCopyFlags(quint32 word)
{
    CopyFlagReading reading;
    reading.unknownBits = word;
    for (const CopyFlag &flag : KnownFlags) {
        if ((word & flag.bit) == 0)
            continue;
        reading.unknownBits &= ~flag.bit;
        if (flag.descriptorParm) {
            reading.descriptorParms.append(QString::fromLatin1(flag.descriptorParm));
        } else {
            reading.leftOut.append(QStringLiteral("%1 (0x%2)")
                                       .arg(QString::fromLatin1(flag.name))
                                       .arg(flag.bit, 8, 16, QLatin1Char('0')));
        }
    }
    return reading;
}

} // namespace talmo::cabwiz

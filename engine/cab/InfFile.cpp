#include "engine/cab/InfFile.h"

#include "engine/cab/BuildStepError.h"
#include "platform/AtomicFileWriter.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo {

QByteArray InfFileBytes(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();  // the text's own last line end, or the empty text

    QString body;
    for (const QString &line : std::as_const(lines))
        body += line + QStringLiteral("\r\n");

    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : std::as_const(body)) {
        const char16_t unit = c.unicode();
        bytes.append(char(unit & 0xFF));
        bytes.append(char(unit >> 8));
    }
    return bytes;
}

void SaveInfFile(const QString &fileName, const QString &text)
{
    QString reason;
    if (!AtomicFileWriter::writeFile(fileName, InfFileBytes(text), &reason))
        throw BuildStepError(QStringLiteral("The .inf file \"%1\" couldn't be written: %2").arg(fileName, reason));
}

} // namespace talmo

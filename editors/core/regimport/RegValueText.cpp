#include "editors/core/regimport/RegValueText.h"

namespace talmo::RegValueText {

QString binary(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(',').toUpper());
}

QString dword(quint32 value)
{
    return QString::number(static_cast<qint32>(value));
}

QString multiString(const QStringList &strings)
{
    QStringList quoted;
    quoted.reserve(strings.size());
    for (const QString &string : strings)
        quoted.append(QLatin1Char('"') + QString(string).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"'));
    return quoted.join(QLatin1Char(','));
}

} // namespace talmo::RegValueText

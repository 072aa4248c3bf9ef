#include "helpers/core/DeviceRegistryData.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo {

bool DeviceRegistryData::IsDword(const QString &data)
{
    const QString text = data.trimmed();
    if (text.isEmpty())
        return true;
    bool ok = false;
    const bool hex = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive);
    const qint64 value = hex ? text.mid(2).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    return ok && (!hex || !text.mid(2).startsWith(u'-')) && value >= -0x80000000LL && value <= 0xFFFFFFFFLL;
}

bool DeviceRegistryData::IsBinary(const QString &data)
{
    static const QRegularExpression byte(QStringLiteral("^[0-9A-Fa-f]{1,2}$"));
    if (data.trimmed().isEmpty())
        return true;
    for (const QString &item : data.split(u',')) {
        if (!byte.match(item.trimmed()).hasMatch())
            return false;
    }
    return true;
}

QString DeviceRegistryData::Problem(const QString &typeText, const QString &data)
{
    if (typeText == QStringLiteral("TYPE_BINARY") && !IsBinary(data))
        return QStringLiteral("Binary data must be bytes of one or two hex digits separated by commas, such as 0A,FF.");
    if (typeText == QStringLiteral("TYPE_DWORD") && !IsDword(data))
        return QStringLiteral("DWORD data must be a whole number from -2147483648 to 4294967295, or a hex number such as 0xFF.");
    return QString();
}

} // namespace talmo

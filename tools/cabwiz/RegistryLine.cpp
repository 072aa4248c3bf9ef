#include "tools/cabwiz/RegistryLine.h"

#include "tools/cabwiz/InfError.h"
#include "tools/cabwiz/StringTable.h"

namespace talmo::cabwiz {

namespace {

constexpr quint32 TypeMask = 0x00010001;
constexpr quint32 KeepExistingFlag = 0x00000002;

QString rootAbbreviation(const QString &root)
{
    static const QList<std::pair<QString, QString>> roots = {
        {QStringLiteral("HKCR"), QStringLiteral("HKEY_CLASSES_ROOT")},
        {QStringLiteral("HKCU"), QStringLiteral("HKEY_CURRENT_USER")},
        {QStringLiteral("HKLM"), QStringLiteral("HKEY_LOCAL_MACHINE")},
        {QStringLiteral("HKU"), QStringLiteral("HKEY_USERS")},
    };
    for (const auto &[abbreviation, name] : roots) {
        if (root.compare(abbreviation, Qt::CaseInsensitive) == 0 || root.compare(name, Qt::CaseInsensitive) == 0)
            return abbreviation;
    }
    return QString();
}

std::optional<qint64> parseDWord(const QString &text)
{
    bool ok = false;
    const qint64 value = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? text.mid(2).toLongLong(&ok, 16)
                                                                                    : text.toLongLong(&ok, 10);
    if (!ok || value < -0x80000000LL || value > 0xFFFFFFFFLL)
        return std::nullopt;
    return value;
}

std::optional<QByteArray> parseBytes(const QStringList &fields)
{
    QByteArray bytes;
    for (const QString &field : fields) {
        if (field.isEmpty() && fields.size() == 1)
            break;
        bool ok = false;
        const uint byte = field.toUInt(&ok, 16);
        if (!ok || field.size() > 2)
            return std::nullopt;
        bytes.append(char(byte));
    }
    return bytes;
}

} // namespace

RegistryValue parseRegistryLine(const InfLine &line, const QString &section, const StringTable &strings,
                                QString *warning)
{
    auto fail = [&](const QString &message) { return InfError(line.number, section, message); };
    auto expand = [&](const QString &text) { return strings.expand(text, line.number, section); };
    // Strings may name device folders, which the device translates.
    auto expandData = [&](RegistryValue &value, const QString &text) {
        bool kept = false;
        value.strings.append(strings.expandForDevice(text, line.number, section, &kept));
        value.holdsDeviceString = value.holdsDeviceString || kept;
    };

    const QStringList fields = splitFields(line.text, 5);
    if (fields.size() < 4)
        throw fail(QStringLiteral("a registry line needs a root, a key, a value name and flags"));
    RegistryValue value;
    const QString root = rootAbbreviation(unquote(fields[0]));
    if (root.isEmpty())
        throw fail(QStringLiteral("unknown registry root %1").arg(fields[0]));
    QString subkey = expand(unquote(fields[1]));
    // "HKLM,\Software\..." names the same key as "HKLM,Software\...".
    while (subkey.startsWith(u'\\'))
        subkey.remove(0, 1);
    value.key = root + u'\\' + subkey;
    value.name = expand(unquote(fields[2]));
    const auto flags = parseFlagWord(unquote(fields[3]));
    if (!flags)
        throw fail(QStringLiteral("invalid registry flags %1").arg(fields[3]));
    value.keepExisting = (*flags & KeepExistingFlag) != 0;

    const QString data = fields.size() > 4 ? fields[4] : QString();
    switch (*flags & TypeMask) {
    case 0x00000000:
        value.type = RegistryType::String;
        expandData(value, unquote(data));
        break;
    case 0x00010000:
        value.type = RegistryType::MultiString;
        for (const QString &field : splitFields(data))
            expandData(value, unquote(field));
        break;
    case 0x00000001: {
        value.type = RegistryType::Binary;
        const auto bytes = parseBytes(splitFields(unquote(data)));
        if (!bytes)
            throw fail(QStringLiteral("invalid binary data %1").arg(data));
        value.bytes = *bytes;
        break;
    }
    default: {
        value.type = RegistryType::DWord;
        const QString text = expand(unquote(data));
        if (text.isEmpty()) {
            *warning = QStringLiteral("the DWORD value %1 has no data; 0 is written").arg(value.name);
            break;
        }
        const auto number = parseDWord(text);
        if (!number)
            throw fail(QStringLiteral("invalid DWORD data %1").arg(text));
        value.number = *number;
        break;
    }
    }
    return value;
}

} // namespace talmo::cabwiz

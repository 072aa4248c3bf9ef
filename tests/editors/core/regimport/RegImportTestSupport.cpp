#include "tests/editors/core/regimport/RegImportTestSupport.h"

#include "editors/core/regimport/RegImport.h"

namespace talmo::test {

namespace {

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString valueText(const RegImportEvent &event)
{
    if (const auto *text = std::get_if<QString>(&event.value))
        return quoted(*text);
    if (const auto *number = std::get_if<quint32>(&event.value))
        return QString::number(*number);
    if (const auto *list = std::get_if<QStringList>(&event.value)) {
        QStringList items;
        for (const QString &item : *list)
            items.append(quoted(item));
        return u'[' + items.join(u',') + u']';
    }
    return {};
}

QString dataText(const RegImportEvent &event)
{
    if (!event.data)
        return QStringLiteral("none");
    if (event.type == RegValueType::String) {
        const QString text = std::get<QString>(event.value);
        QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), (text.size() + 1) * 2);
        if (*event.data == utf16)
            return QStringLiteral("text");
    }
    return QString::fromLatin1(event.data->toHex());
}

} // namespace

QByteArray utf16File(const QString &text)
{
    QByteArray bytes("\xff\xfe");
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString describe(const RegImportEvent &event)
{
    return QStringList {
        QString::number(int(event.kind)),
        event.rootName,
        event.keyPath,
        event.valueName ? quoted(*event.valueName) : QStringLiteral("@"),
        QString::number(event.type),
        QString::number(event.size),
        dataText(event),
        valueText(event),
    }.join(u'|');
}

ImportOutcome importText(const QByteArray &bytes, const RegistryProbe &probe)
{
    ImportOutcome outcome;
    outcome.result = ImportRegBytes(bytes, [&](const RegImportEvent &event) {
        outcome.events.append(describe(event));
        return true;
    }, probe);
    return outcome;
}

RegistryProbe::Key FakeRegistryProbe::openKey(const QString &rootName, const QString &keyPath) const
{
    const QString full = rootName + u'\\' + keyPath;
    if (m_errors.contains(full))
        return { m_errors.value(full), {} };
    if (!m_keys.contains(full))
        return { 2, {} };
    Key key;
    const QString prefix = full + u'\\';
    for (const QString &other : m_keys) {
        if (other.startsWith(prefix) && !other.sliced(prefix.size()).contains(u'\\'))
            key.subkeys.append(other.sliced(prefix.size()));
    }
    return key;
}

} // namespace talmo::test

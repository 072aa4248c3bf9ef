#include "tools/cabwiz/StringTable.h"

#include "tools/cabwiz/InfError.h"

namespace talmo::cabwiz {

namespace {

// Deep enough for any honest chain of strings; deeper means a cycle.
constexpr int MaximumDepth = 32;

// The standard folders of a Windows CE device by their directory identifier.
const char *const DeviceFolders[] = {
    "\\Program Files",
    "\\Windows",
    "\\Windows\\Desktop",
    "\\Windows\\StartUp",
    "\\My Documents",
    "\\Program Files\\Accessories",
    "\\Program Files\\Communication",
    "\\Program Files\\Games",
    "\\Program Files\\Pocket Outlook",
    "\\Program Files\\Office",
    "\\Windows\\Start Menu\\Programs",
    "\\Windows\\Start Menu\\Programs\\Accessories",
    "\\Windows\\Start Menu\\Programs\\Communications",
    "\\Windows\\Start Menu\\Programs\\Games",
    "\\Windows\\Fonts",
    "\\Windows\\Recent",
    "\\Windows\\Start Menu",
};

const QString InstallDirKey = QStringLiteral("installdir");

bool isNameCharacter(QChar c)
{
    return !c.isSpace() && c != u'"' && c != u'\\' && c != u'%' && c != u',' && c != u';';
}

} // namespace

StringTable::StringTable()
{
    int id = 1;
    for (const char *folder : DeviceFolders) {
        const QString key = QStringLiteral("ce%1").arg(id++);
        m_values.insert(key, QString::fromLatin1(folder));
        m_deviceFolders.insert(key);
    }
}

void StringTable::define(const QString &name, const QString &value)
{
    const QString key = name.toCaseFolded();
    m_values.insert(key, value);
    m_deviceFolders.remove(key);
    m_expanded[0].clear();
    m_expanded[1].clear();
}

QString StringTable::expand(const QString &text, int line, const QString &section) const
{
    return expand(text, Context{line, section, false}, 0).text;
}

QString StringTable::expandForDevice(const QString &text, int line, const QString &section,
                                     bool *keptDeviceString) const
{
    const Expansion expansion = expand(text, Context{line, section, true}, 0);
    if (keptDeviceString)
        *keptDeviceString = expansion.keptDeviceString;
    return expansion.text;
}

bool StringTable::isDeviceString(const QString &key) const
{
    return key == InstallDirKey || m_deviceFolders.contains(key);
}

StringTable::Expansion StringTable::expand(const QString &text, const Context &context, int depth) const
{
    if (!text.contains(u'%'))
        return Expansion{text, false};
    Expansion result;
    result.text.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != u'%') {
            result.text.append(text[i++]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'%') {
            result.text.append(u'%');
            i += 2;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        if (end == i + 1 || end == text.size() || text[end] != u'%') {
            result.text.append(u'%');
            ++i;
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        const Expansion value = expandName(name, context, depth);
        result.text.append(value.text);
        result.keptDeviceString = result.keptDeviceString || value.keptDeviceString;
        if (result.text.size() > MaximumExpandedLength) {
            throw InfError(context.line, context.section,
                           QStringLiteral("string %%1% expands to more than %2 characters")
                               .arg(name)
                               .arg(MaximumExpandedLength));
        }
        i = end + 1;
    }
    return result;
}

StringTable::Expansion StringTable::expandName(const QString &name, const Context &context, int depth) const
{
    const QString key = name.toCaseFolded();
    const auto value = m_values.constFind(key);
    if (value == m_values.constEnd())
        throw InfError(context.line, context.section, QStringLiteral("undefined string %%1%").arg(name));
    if (context.keepDeviceStrings && isDeviceString(key)) {
        const QString reference = key == InstallDirKey ? QStringLiteral("InstallDir") : name.toUpper();
        return Expansion{u'%' + reference + u'%', true};
    }
    QHash<QString, Expansion> &cache = m_expanded[context.keepDeviceStrings ? 1 : 0];
    const auto cached = cache.constFind(key);
    if (cached != cache.constEnd())
        return *cached;
    if (depth >= MaximumDepth)
        throw InfError(context.line, context.section, QStringLiteral("string %%1% refers to itself").arg(name));
    const Expansion expansion = expand(*value, context, depth + 1);
    cache.insert(key, expansion);
    return expansion;
}

} // namespace talmo::cabwiz

#include "tools/cabwiz/StringTable.h"

#include "tools/cabwiz/InfError.h"

namespace talmo::cabwiz {

namespace {

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
    return expand(text, Context{line, section, false}).text;
}

QString StringTable::expandForDevice(const QString &text, int line, const QString &section,
                                     bool *keptDeviceString) const
{
    const Expansion expansion = expand(text, Context{line, section, true});
    if (keptDeviceString)
        *keptDeviceString = expansion.keptDeviceString;
    return expansion.text;
}

bool StringTable::isDeviceString(const QString &key) const
{
    return key == InstallDirKey || m_deviceFolders.contains(key);
}

// Strings name strings to any depth, so the expansion keeps its own stack of
// the strings it is in the middle of instead of recursing.
StringTable::Expansion StringTable::expand(const QString &text, const Context &context) const
{
    if (!text.contains(u'%'))
        return Expansion{text, false};
    QList<Frame> open{Frame{QString(), QString(), text, 0, {}}};
    QSet<QString> openKeys;
    for (;;) {
        const std::optional<QString> name = readToReference(open.last());
        if (!name) {
            if (open.size() == 1)
                return open.last().result;
            const Frame done = open.takeLast();
            openKeys.remove(done.key);
            cache(context).insert(done.key, done.result);
            append(open.last(), done.name, done.result, context);
            continue;
        }
        const QString key = name->toCaseFolded();
        const auto value = m_values.constFind(key);
        if (value == m_values.constEnd())
            throw InfError(context.line, context.section, QStringLiteral("undefined string %%1%").arg(*name));
        if (context.keepDeviceStrings && isDeviceString(key)) {
            const QString reference = key == InstallDirKey ? QStringLiteral("InstallDir") : name->toUpper();
            append(open.last(), *name, Expansion{u'%' + reference + u'%', true}, context);
        } else if (const auto cached = cache(context).constFind(key); cached != cache(context).constEnd()) {
            append(open.last(), *name, *cached, context);
        } else if (openKeys.contains(key)) {
            throw InfError(context.line, context.section, QStringLiteral("string %%1% refers to itself").arg(*name));
        } else {
            openKeys.insert(key);
            open.append(Frame{*name, key, *value, 0, {}});
        }
    }
}

// Copies the frame's text up to its next well-formed "%name%" and returns the
// name, or std::nullopt at the end of the text.
std::optional<QString> StringTable::readToReference(Frame &frame)
{
    const QString &text = frame.text;
    qsizetype &i = frame.position;
    while (i < text.size()) {
        if (text[i] != u'%') {
            frame.result.text.append(text[i++]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'%') {
            frame.result.text.append(u'%');
            i += 2;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        if (end == i + 1 || end == text.size() || text[end] != u'%') {
            frame.result.text.append(u'%');
            ++i;
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        i = end + 1;
        return name;
    }
    return std::nullopt;
}

void StringTable::append(Frame &frame, const QString &name, const Expansion &value, const Context &context)
{
    frame.result.text.append(value.text);
    frame.result.keptDeviceString = frame.result.keptDeviceString || value.keptDeviceString;
    if (frame.result.text.size() > MaximumExpandedLength) {
        throw InfError(context.line, context.section,
                       QStringLiteral("string %%1% expands to more than %2 characters").arg(name).arg(MaximumExpandedLength));
    }
}

QHash<QString, StringTable::Expansion> &StringTable::cache(const Context &context) const
{
    return m_expanded[context.keepDeviceStrings ? 1 : 0];
}

} // namespace talmo::cabwiz

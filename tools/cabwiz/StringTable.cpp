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

bool isNameCharacter(QChar c)
{
    return !c.isSpace() && c != u'"' && c != u'\\' && c != u'%' && c != u',' && c != u';';
}

} // namespace

StringTable::StringTable()
{
    int id = 1;
    for (const char *folder : DeviceFolders)
        m_values.insert(QStringLiteral("ce%1").arg(id++), QString::fromLatin1(folder));
}

void StringTable::define(const QString &name, const QString &value)
{
    m_values.insert(name.toCaseFolded(), value);
}

QString StringTable::expand(const QString &text, int line, const QString &section) const
{
    return expand(text, line, section, 0);
}

QString StringTable::expand(const QString &text, int line, const QString &section, int depth) const
{
    if (!text.contains(u'%'))
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != u'%') {
            result.append(text[i++]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'%') {
            result.append(u'%');
            i += 2;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        if (end == i + 1 || end == text.size() || text[end] != u'%') {
            result.append(u'%');
            ++i;
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        const auto value = m_values.constFind(name.toCaseFolded());
        if (value == m_values.constEnd())
            throw InfError(line, section, QStringLiteral("undefined string %%1%").arg(name));
        if (depth >= MaximumDepth)
            throw InfError(line, section, QStringLiteral("string %%1% refers to itself").arg(name));
        result.append(expand(*value, line, section, depth + 1));
        i = end + 1;
    }
    return result;
}

} // namespace talmo::cabwiz

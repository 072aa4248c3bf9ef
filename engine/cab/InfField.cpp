#include "engine/cab/InfField.h"

#include "model/ProjectContainer.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo {

namespace {

const QChar Quote(u'"');
const QChar Percent(u'%');

QString enclosed(const QString &text)
{
    return Quote + QString(text).replace(Quote, QStringLiteral("\"\"")) + Quote;
}

bool needsQuotes(const QString &text)
{
    static const QRegularExpression special(QStringLiteral("[,\";=]"));
    if (text.isEmpty())
        return false;
    return text.contains(special) || text.front().isSpace() || text.back().isSpace() || text.endsWith(u'\\');
}

QString asField(const QString &text)
{
    return needsQuotes(text) ? enclosed(text) : text;
}

QString key(const QString &name)
{
    return name.toCaseFolded();
}

// The fields of a list: split at commas outside quotes, each trimmed.
QStringList listFields(const QString &text)
{
    QStringList fields;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == Quote) {
            quoted = !quoted;
        } else if (text[i] == u',' && !quoted) {
            fields.append(text.mid(start, i - start).trimmed());
            start = i + 1;
        }
    }
    fields.append(text.mid(start).trimmed());
    return fields;
}

// What a field stands for: its quotes removed, "" inside quotes one quote.
QString unquoted(const QString &field)
{
    QString value;
    bool quoted = false;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != Quote) {
            value.append(field[i]);
        } else if (quoted && i + 1 < field.size() && field[i + 1] == Quote) {
            value.append(Quote);
            ++i;
        } else {
            quoted = !quoted;
        }
    }
    return value;
}

} // namespace

InfField::InfField(const TProjectContainer &project)
{
    m_names.insert(key(QStringLiteral("AppName")));
    m_names.insert(key(QStringLiteral("InstallDir")));
    for (const TStringPair &pair : project.StringPairs) {
        if (!pair.Name.isEmpty())
            m_names.insert(key(pair.Name));
    }
}

bool InfField::isReference(const QString &name) const
{
    static const QRegularExpression deviceFolder(QStringLiteral("^CE(1[0-7]|[1-9])$"),
                                                 QRegularExpression::CaseInsensitiveOption);
    return m_names.contains(key(name)) || deviceFolder.match(name).hasMatch();
}

QString InfField::withReferencesKept(const QString &typed) const
{
    QString result;
    result.reserve(typed.size());
    qsizetype i = 0;
    while (i < typed.size()) {
        if (typed[i] != Percent) {
            result.append(typed[i++]);
            continue;
        }
        const qsizetype end = typed.indexOf(Percent, i + 1);
        if (end > i + 1 && isReference(typed.mid(i + 1, end - i - 1))) {
            result.append(typed.mid(i, end - i + 1));
            i = end + 1;
        } else {
            result.append(QStringLiteral("%%"));
            ++i;
        }
    }
    return result;
}

QString InfField::Text(const QString &typed) const
{
    return asField(withReferencesKept(typed));
}

QString InfField::Quoted(const QString &typed) const
{
    return enclosed(withReferencesKept(typed));
}

QString InfField::List(const QString &fields) const
{
    QStringList written;
    for (const QString &field : listFields(fields))
        written.append(Text(unquoted(field)));
    return written.join(u',');
}

QString InfField::Literal(const QString &text)
{
    return asField(QString(text).replace(Percent, QStringLiteral("%%")));
}

QString InfField::QuotedLiteral(const QString &text)
{
    return enclosed(QString(text).replace(Percent, QStringLiteral("%%")));
}

} // namespace talmo

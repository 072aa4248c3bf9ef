#include "tools/cabwiz/InfDocument.h"

#include "tools/cabwiz/InfError.h"

#include <QFile>
#include <QStringDecoder>

namespace talmo::cabwiz {

namespace {

QString sectionKey(const QString &name)
{
    return name.toCaseFolded();
}

// Everything before the first ";" that stands outside double quotes.
QStringView withoutComment(QStringView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u';' && !quoted)
            return line.left(i);
    }
    return line;
}

// Old editors end their files with a NUL character, and whatever follows one
// is no text: the file's text ends there. A single zero byte left over after
// the last whole UTF-16 unit counts as such an end too.
QByteArray beforeNul(const QByteArray &bytes, qsizetype unitSize)
{
    for (qsizetype i = 0; i + unitSize <= bytes.size(); i += unitSize) {
        if (bytes[i] == '\0' && bytes[i + unitSize - 1] == '\0')
            return bytes.left(i);
    }
    const bool strayZeroByte = bytes.size() % unitSize != 0 && bytes.endsWith('\0');
    return strayZeroByte ? bytes.chopped(1) : bytes;
}

} // namespace

QList<InfEntry> InfSection::entries() const
{
    QList<InfEntry> result;
    for (const InfLine &line : lines) {
        if (auto entry = splitEntry(line))
            result.append(*entry);
    }
    return result;
}

std::optional<InfEntry> InfSection::entry(const QString &key) const
{
    std::optional<InfEntry> found;
    for (const InfLine &line : lines) {
        auto entry = splitEntry(line);
        if (entry && entry->key.compare(key, Qt::CaseInsensitive) == 0)
            found = entry;
    }
    return found;
}

InfDocument InfDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw InfError(QStringLiteral("cannot read the file: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw InfError(QStringLiteral("cannot read the file: %1").arg(file.errorString()));
    return parse(decode(bytes));
}

QString InfDocument::decode(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    qsizetype unitSize = 1;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        decoder = QStringDecoder(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        unitSize = 2;
    }
    QString text = decoder.decode(beforeNul(bytes, unitSize));
    if (decoder.hasError())
        throw InfError(QStringLiteral("the file is neither UTF-16 with a byte-order mark nor UTF-8"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

InfDocument InfDocument::parse(const QString &text)
{
    InfDocument document;
    InfSection *current = nullptr;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = withoutComment(lines[i]).trimmed().toString();
        const int number = int(i + 1);
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            const QString key = sectionKey(name);
            auto found = document.m_index.constFind(key);
            if (found == document.m_index.constEnd()) {
                document.m_sections.append(InfSection{name, number, {}});
                found = document.m_index.insert(key, document.m_sections.size() - 1);
            }
            current = &document.m_sections[*found];
            continue;
        }
        // Lines before the first section belong to no section and mean nothing.
        if (current)
            current->lines.append(InfLine{number, line});
    }
    return document;
}

const InfSection *InfDocument::section(const QString &name) const
{
    const auto found = m_index.constFind(sectionKey(name));
    return found == m_index.constEnd() ? nullptr : &m_sections[*found];
}

QStringList splitFields(const QString &text, int maxFields)
{
    QStringList fields;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"') {
            quoted = !quoted;
        } else if (text[i] == u',' && !quoted) {
            if (maxFields > 0 && fields.size() == maxFields - 1)
                break;
            fields.append(text.mid(start, i - start).trimmed());
            start = i + 1;
        }
    }
    fields.append(text.mid(start).trimmed());
    return fields;
}

QString unquote(const QString &field)
{
    QString value;
    value.reserve(field.size());
    bool quoted = false;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'"') {
            value.append(field[i]);
        } else if (quoted && i + 1 < field.size() && field[i + 1] == u'"') {
            value.append(u'"');
            ++i;
        } else {
            quoted = !quoted;
        }
    }
    return value;
}

std::optional<quint32> parseFlagWord(const QString &text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const quint32 value = trimmed.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? trimmed.mid(2).toUInt(&ok, 16)
                                                                                       : trimmed.toUInt(&ok, 10);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

std::optional<InfEntry> splitEntry(const InfLine &line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.text.size(); ++i) {
        if (line.text[i] == u'"')
            quoted = !quoted;
        else if (line.text[i] == u'=' && !quoted)
            return InfEntry{line.number, unquote(line.text.left(i).trimmed()), line.text.mid(i + 1).trimmed()};
    }
    return std::nullopt;
}

} // namespace talmo::cabwiz

#include "helpers/core/PageComponentLines.h"

namespace talmo {

namespace {

const QString objectKeyword = QStringLiteral("object ");

} // namespace

bool IsControlHeaderLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(objectKeyword) && trimmed.contains(u':');
}

bool IsBlockEndLine(const QString &line)
{
    return line.trimmed() == QLatin1String("end");
}

PageControlHeader ParseControlHeader(const QString &line)
{
    const QString trimmed = line.trimmed();
    const qsizetype nameStart = trimmed.indexOf(objectKeyword) + objectKeyword.size();
    const qsizetype colon = trimmed.indexOf(u':', nameStart);
    PageControlHeader header;
    header.name = trimmed.mid(nameStart, colon - nameStart);
    header.className = trimmed.mid(colon + 2);
    return header;
}

QList<PageControlHeader> PageControlHeaders(const QStringList &data)
{
    QList<PageControlHeader> headers;
    for (qsizetype i = 1; i < data.size(); ++i) {
        if (IsControlHeaderLine(data.at(i)))
            headers.append(ParseControlHeader(data.at(i)));
    }
    return headers;
}

int SkipBinaryOrCollection(const QStringList &data, int valueLine, const QString &value)
{
    int line = valueLine;
    if (value == QLatin1String("{")) {
        while (line + 1 < data.size() && !data.at(line).trimmed().endsWith(u'}'))
            ++line;
        return line + 1;
    }
    if (value == QLatin1String("<")) {
        int depth = 0;
        for (; line < data.size(); ++line) {
            const QString trimmed = data.at(line).trimmed();
            if (trimmed.endsWith(u'<'))
                ++depth;
            else if (trimmed.endsWith(u'>') && --depth == 0)
                break;
        }
        return line + 1;
    }
    return valueLine + 1;
}

} // namespace talmo

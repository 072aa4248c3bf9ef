#include "designer/core/CompletionObjectScan.h"

#include <algorithm>

namespace talmo {

namespace {

bool IsStopCharacter(QChar c)
{
    static const QString stops = QStringLiteral("()=<>-+ !#$%&*:@");
    return stops.contains(c);
}

using StopTest = bool (*)(QChar);

bool NeverStops(QChar)
{
    return false;
}

// The part that ends right before position end: back to the previous "." or
// the line start, or to a stop character. Sets dot to that "." (-1 when the
// part did not end at one).
QString PartBefore(const QString &line, qsizetype end, StopTest stops, qsizetype &dot)
{
    qsizetype start = end;
    dot = -1;
    while (start > 0) {
        const QChar c = line.at(start - 1);
        if (c == u'.') {
            dot = start - 1;
            break;
        }
        if (stops(c))
            break;
        --start;
    }
    return line.mid(start, end - start).trimmed();
}

ObjectParts PartsLeftOfDot(const QString &line, qsizetype dotAt, StopTest stops)
{
    ObjectParts parts;
    qsizetype previousDot = -1;
    parts.object = PartBefore(line, dotAt, stops, previousDot);
    if (previousDot >= 0) {
        qsizetype ignored = -1;
        parts.qualifier = PartBefore(line, previousDot, stops, ignored);
    }
    return parts;
}

} // namespace

ObjectParts MemberListParts(const QString &line, int caretColumn)
{
    for (qsizetype i = std::clamp<qsizetype>(caretColumn, 0, line.size()) - 1; i >= 0; --i) {
        const QChar c = line.at(i);
        if (c == u'.')
            return PartsLeftOfDot(line, i, IsStopCharacter);
        if (IsStopCharacter(c))
            break;
    }
    return {};
}

ObjectParts ParameterHintParts(const QString &line, int caretColumn)
{
    for (qsizetype i = std::min<qsizetype>(std::max(caretColumn, 0), line.size() - 1); i >= 0; --i) {
        if (line.at(i) == u'.')
            return PartsLeftOfDot(line, i, NeverStops);
    }
    return {};
}

} // namespace talmo

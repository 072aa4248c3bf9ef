#include "tools/cabwiz/MemberName.h"

namespace talmo::cabwiz {

namespace {

bool fitsShortName(QChar c)
{
    return c.unicode() < 128 && (c.isLetterOrNumber() || QStringLiteral("_-!#$&'(){}^~@`").contains(c));
}

} // namespace

QString cabMemberName(const QString &fileName, int sequence)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    QString stem;
    for (QChar c : QStringView(fileName).left(dot > 0 ? dot : fileName.size())) {
        if (fitsShortName(c))
            stem.append(c);
    }
    if (stem.isEmpty())
        stem = QStringLiteral("FILE");
    if (stem.size() > 8)
        stem = stem.left(6) + QStringLiteral("~1");
    return stem + QStringLiteral(".%1").arg(sequence, 3, 10, QLatin1Char('0'));
}

} // namespace talmo::cabwiz

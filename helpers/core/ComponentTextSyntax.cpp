#include "helpers/core/ComponentTextSyntax.h"

#include <QStringList>

namespace talmo::ComponentTextSyntax {

bool isName(const QString &text)
{
    if (text.isEmpty() || !isNameStart(text.front()))
        return false;
    for (QChar c : text) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

bool isKeyword(const QString &text)
{
    for (const char *keyword : {"object", "end", "item"}) {
        if (text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isDottedName(const QString &text)
{
    const QStringList parts = text.split(u'.');
    for (const QString &part : parts) {
        if (!isName(part))
            return false;
    }
    return true;
}

} // namespace talmo::ComponentTextSyntax

#include "editors/dialogs/StringPairCheck.h"

#include "helpers/core/XmlTree.h"

namespace talmo {

namespace {
const QString blankInName = QStringLiteral("name can't contain empty spaces.");

bool hasBlank(const QString &key)
{
    return key.contains(QLatin1Char(' '));
}
} // namespace

QString StringPairCheck::refusal(const QString &caption, const QString &key, const QString &value)
{
    if (caption == SetupTypeCaption) {
        if (key.isEmpty() || value.isEmpty())
            return QStringLiteral("Please specify both values.");
        return hasBlank(key) ? blankInName : QString();
    }
    if (key.isEmpty() || value.isEmpty())
        return QStringLiteral("Please specify both key and value.");
    if (hasBlank(key))
        return blankInName;
    if (!XmlTree::isValidElementName(key))
        return QStringLiteral("The key \"%1\" can't be stored in the project file. "
                              "A key starts with a letter or \"_\" and holds only letters, digits, \"_\", \"-\" and \".\".")
            .arg(key);
    return QString();
}

} // namespace talmo

#include "designer/core/PageNameRules.h"

#include "helpers/core/ComponentTextSyntax.h"
#include "helpers/core/ScriptText.h"

namespace talmo::PageNameRules {

namespace {

// The script language's reserved words: none can name a variable.
bool isReservedWord(const QString &name)
{
    static const QStringList words = QStringLiteral(
        "and array as begin case class const constructor destructor div do downto else end except "
        "export external finally for forward function goto if implementation in inherited interface is label "
        "mod nil not object of or out packed private procedure program property protected public published "
        "record repeat set shl shr string then to try type unit until uses var while with xor")
                                          .split(u' ');
    return words.contains(AsciiUpperCase(name).toLower());
}

} // namespace

QString ControlNameRefusal(const QString &name)
{
    if (AsciiSameText(name, QStringLiteral("Form")))
        return QStringLiteral("The name \"%1\" is kept for the page itself; choose another name").arg(name);
    return {};
}

QString PageNameRefusal(const QString &name, const TCustomForms &pages, int pageIndex)
{
    if (!ComponentTextSyntax::isName(name) || isReservedWord(name))
        return QStringLiteral("\"%1\" is not a valid page name").arg(name);
    for (int i = 0; i < pages.Count(); ++i) {
        if (i != pageIndex && AsciiSameText(pages[i].Name, name))
            return QStringLiteral("A page named %1 already exists").arg(pages[i].Name);
    }
    return {};
}

} // namespace talmo::PageNameRules

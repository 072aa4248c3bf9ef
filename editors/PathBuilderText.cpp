#include "editors/PathBuilderText.h"

#include "model/PathMacros.h"

namespace talmo {

const QList<PathBuilderText::Macro> &PathBuilderText::firstColumn()
{
    static const QList<Macro> macros = {
        {QStringLiteral("%CE1%"), QStringLiteral("Program Files")},
        {QStringLiteral("%CE2%"), QStringLiteral("Windows")},
        {QStringLiteral("%CE4%"), QStringLiteral("Windows\\StartUp")},
        {QStringLiteral("%CE5%"), QStringLiteral("My Documents")},
        {QStringLiteral("%CE8%"), QStringLiteral("Program Files\\Games")},
    };
    return macros;
}

const QList<PathBuilderText::Macro> &PathBuilderText::secondColumn()
{
    static const QList<Macro> macros = {
        {QStringLiteral("%CE11%"), QStringLiteral("Windows\\Start Menu\\Programs")},
        {QStringLiteral("%CE14%"), QStringLiteral("Windows\\Start Menu\\Programs\\Games")},
        {QStringLiteral("%CE15%"), QStringLiteral("Windows\\Fonts")},
        {QStringLiteral("%CE17%"), QStringLiteral("Windows\\Start Menu")},
        {QStringLiteral("%InstallDir%"), QStringLiteral("Default Installation Dir in Project Settings")},
    };
    return macros;
}

QString PathBuilderText::insertMacro(const QString &text, int selectionStart, int selectionLength,
                                     const QString &macro)
{
    if (selectionLength <= 0 || selectionStart < 0 || selectionStart > text.size())
        return text + macro;
    QString result = text;
    return result.replace(selectionStart, selectionLength, macro);
}

QString PathBuilderText::interpretation(const TProjectContainer &project, const QString &path)
{
    const QString expanded = ExpandPathMacros(project, path, true, true);
    return QStringLiteral("[ Interpreted: <b>") + expanded.toHtmlEscaped() + QStringLiteral("</b> ]");
}

} // namespace talmo

#include "editors/dialogs/PathBuilderText.h"

#include "model/PathMacros.h"

namespace talmo {

namespace {

// The device folders the first column offers; the rest go to the second.
constexpr qsizetype FirstColumnFolders = 5;

QList<PathBuilderText::Macro> deviceFolderColumn(qsizetype from, qsizetype count)
{
    QList<PathBuilderText::Macro> column;
    for (const DeviceFolderMacro &folder : DeviceFolderMacros().mid(from, count))
        column.append({ folder.macro, folder.folder });
    return column;
}

} // namespace

const QList<PathBuilderText::Macro> &PathBuilderText::firstColumn()
{
    static const QList<Macro> macros = deviceFolderColumn(0, FirstColumnFolders);
    return macros;
}

const QList<PathBuilderText::Macro> &PathBuilderText::secondColumn()
{
    static const QList<Macro> macros = deviceFolderColumn(FirstColumnFolders, -1)
        + QList<Macro>{ { QStringLiteral("%InstallDir%"), QStringLiteral("Default Installation Dir in Project Settings") } };
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

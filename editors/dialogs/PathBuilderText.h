#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// The text side of the path builder.
struct PathBuilderText
{
    struct Macro
    {
        QString macro;
        QString meaning;
    };
    // The two columns of macros the builder offers, in order.
    static const QList<Macro> &firstColumn();
    static const QList<Macro> &secondColumn();

    // The macro replaces the selection, or goes to the end without one.
    static QString insertMacro(const QString &text, int selectionStart, int selectionLength, const QString &macro);
    // "[ Interpreted: <b>...</b> ]" around the path as the build reads it (the
    // install folder expanded, the device application's name), HTML-escaped.
    static QString interpretation(const TProjectContainer &project, const QString &path);
};

} // namespace talmo

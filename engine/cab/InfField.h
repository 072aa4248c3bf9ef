#pragma once

#include <QSet>
#include <QString>

namespace talmo {

class TProjectContainer;

// Writes a text the user typed as one field of an .inf line, so that cabwiz
// reads back exactly that text: enclosed in double quotes (inner quotes
// doubled) where it holds a separator, a quote, a comment sign, an equals
// sign, blanks at either end or a closing backslash, and every percent sign
// doubled unless it opens a reference the .inf file defines.
class InfField
{
public:
    // The references of the project's .inf file: its [Strings] names, the
    // [CEStrings] AppName and InstallDir, and the device folders %CE1% to %CE17%.
    explicit InfField(const TProjectContainer &project);

    // The text as a field; "%name%" stays a reference where name is defined.
    QString Text(const QString &typed) const;
    // As Text, always enclosed in quotes (for the fields the file quotes anyway).
    QString Quoted(const QString &typed) const;
    // A list of strings kept in field form ("one","two", or unquoted and
    // comma-separated), each string re-written as by Text.
    QString List(const QString &fields) const;

    // A file or folder of the build machine: no reference in it, every
    // percent sign doubled, quoted where needed.
    static QString Literal(const QString &text);
    static QString QuotedLiteral(const QString &text);

private:
    QString withReferencesKept(const QString &typed) const;
    bool isReference(const QString &name) const;

    QSet<QString> m_names;
};

} // namespace talmo

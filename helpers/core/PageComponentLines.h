#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

// Reading a page's stored component text line by line, the way the setup
// script generator and code completion need it: the control blocks, their
// names and classes.
// Lines from the second one on describe the controls; the first is the page's
// own panel.

struct PageControlHeader
{
    QString name;
    QString className;
};

// Whether the line opens a control block ("object Name: Class", indented).
// Values never start with the keyword: strings are quoted, binary data is hex.
bool IsControlHeaderLine(const QString &line);
// Whether the line closes a block.
bool IsBlockEndLine(const QString &line);
// The name is the text between "object " and the first ":", the class the
// text from the second character after that ":" to the line's end.
PageControlHeader ParseControlHeader(const QString &line);

// Every control of the page, in the order of their header lines.
QList<PageControlHeader> PageControlHeaders(const QStringList &data);

// The 0-based index of the line after a value that started on line
// valueLine with the text value (the trimmed text after " = "): multi-line
// binary data runs to the line that ends in "}", a collection to its
// closing ">". Other values occupy their line alone.
int SkipBinaryOrCollection(const QStringList &data, int valueLine, const QString &value);

} // namespace talmo

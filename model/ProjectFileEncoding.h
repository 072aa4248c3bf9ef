#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

// How values are spelled as element text in the project and project-manager
// files. The decoders return nothing where the text does not decode; the
// reader decides whether that fails a unit or takes a default.

// "-1" for true, "0" for false.
QString EncodeBoolean(bool value);
// A number gives true when it is not zero ("-1" as written, "1" too), the
// words True and False count in any letter case; anything else, the empty
// text included, does not decode.
std::optional<bool> DecodeBoolean(const QString &text);

QString EncodeInteger(int value);
// A whole number in decimal with an optional sign, within 32 bits.
std::optional<int> DecodeInteger(const QString &text);

// The items joined by ","; an item holding a double quote, a comma or a
// character up to the blank is quoted with its double quotes doubled. A list
// whose only item is empty is written as two double quotes.
QString EncodeCommaText(const QStringList &items);
// The inverse, also tolerant of what other writers produced: outside quotes
// blanks and control characters end an item and are skipped.
QStringList DecodeCommaText(const QString &text);

// Every line followed by CR LF, the last one included.
QString EncodeLines(const QStringList &lines);
// Split at CR LF, CR or LF; a break at the very end adds no empty line.
QStringList DecodeLines(const QString &text);

} // namespace talmo

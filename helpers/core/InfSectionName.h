#pragma once

#include <QRegularExpression>
#include <QString>

namespace talmo {

// A registry or shortcut section's name as the CAB build writes it: both as
// a "[name]" header and as an item of the comma-separated AddReg and
// CEShortcuts lists, where the .inf file can carry no separator, quote,
// bracket, comment sign or percent sign, and cabwiz trims the blanks at
// either end. A shortcut section's name is also the key of its folder's
// "name = 0,folder" line, so it can carry no equals sign either.
class InfSectionName
{
public:
    // What the name may not hold, for a message or a tooltip.
    static inline const QString Rule = QStringLiteral(
        "A section name may not be empty, hold a comma, a double quote, a square bracket, a semicolon, an "
        "equals sign or a percent sign, nor begin or end with a blank.");

    // Why the name cannot be written into the .inf file; empty when it can.
    static QString Problem(const QString &name);
    // Every text made only of characters a name may hold, for checking each
    // keystroke (the blanks at either end are dealt with once typing ends).
    static QRegularExpression TypablePattern();
};

} // namespace talmo

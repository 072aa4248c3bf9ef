#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// Project texts that the setup shows in a message or a label (the welcome and
// About texts): split at their line breaks the way a string list takes a text,
// with %AppName%, %Provider% and %Version% (any case) replaced by the desktop
// application's values and every single quote doubled for a Pascal literal.
QStringList ExpandedSetupTextLines(const QString &text, const TProjectContainer &project);

// The lines as one Pascal string expression without its outer quotes:
// A'+#13+'B for the lines A and B.
QString JoinedPascalLines(const QStringList &lines);

// The lines of a text as a string list reads it: breaks at CR LF, CR or LF,
// and no empty last line for a text that ends with a break.
QStringList SplitTextLines(const QString &text);

} // namespace talmo

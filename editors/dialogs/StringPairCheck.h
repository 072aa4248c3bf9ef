#pragma once

#include <QString>

namespace talmo {

// What the strings editor says about a key and value before it closes with
// OK: nothing when they are accepted, else the message to show. The setup-type
// editor (caption SetupTypeCaption) wants both texts and a name without blanks.
// Every other caller stores the key as an element name of the project file, so
// a key that cannot be one is refused as well.
struct StringPairCheck
{
    static inline const QString SetupTypeCaption = QStringLiteral("Custom Install Type");
    static inline const QString CustomStringsCaption = QStringLiteral("Custom Strings Editor");

    static QString refusal(const QString &caption, const QString &key, const QString &value);
};

} // namespace talmo

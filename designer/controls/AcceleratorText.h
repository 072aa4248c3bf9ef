#pragma once

#include <QChar>
#include <QKeySequence>
#include <QString>

namespace talmo {

// Captions mark their accelerator with "&" and show a literal "&" as "&&".
class AcceleratorText
{
public:
    // The caption as shown: markers dropped, "&&" shown as "&".
    static QString shown(const QString &caption);
    // The first marked character, lower-cased; null without one.
    static QChar key(const QString &caption);
    // Whether typed is the caption's accelerator, ignoring case.
    static bool matches(const QString &caption, QChar typed);
    // Alt and the key: how an accelerator is typed here.
    static QKeySequence sequence(QChar key);
};

} // namespace talmo

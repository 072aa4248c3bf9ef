#pragma once

#include <QString>

namespace talmo {

// The object part left of the caret and the qualifier left of that
// ("WizardForm.NextButton.Se|": object NextButton, qualifier WizardForm).
struct ObjectParts
{
    QString object;
    QString qualifier;
};

// For the member list: walks left from the character before the caret over
// the member name being typed; a stop character met before any "." means
// there is no object. Parts are cut at stop characters and trimmed.
ObjectParts MemberListParts(const QString &line, int caretColumn);

// For the parameter hint: walks left from the character at the caret; only
// "." separates parts.
ObjectParts ParameterHintParts(const QString &line, int caretColumn);

} // namespace talmo

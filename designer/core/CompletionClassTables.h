#pragma once

#include <QString>

namespace talmo {

// The class a member name gives when it is used as an object ("Lines",
// "Font", ...), ignoring case; empty for any other name.
QString MemberObjectClass(const QString &memberName);

// The class of a control of the installer's wizard form by its name
// ("NextButton" gives TButton), ignoring case; empty for any other name.
QString WizardFormControlClass(const QString &controlName);

// The classes of the two objects every script knows: "WizardForm" and
// "MainForm", ignoring case; empty for any other name.
QString PredefinedObjectClass(const QString &name);

} // namespace talmo

#pragma once

#include <QString>

namespace talmo {

// Project text enters the generated setup script only through these helpers,
// so that a quote, a semicolon or an apostrophe typed by the user can never
// cut a script line or a Pascal statement short.

// The text between the script's double quotes, each embedded double quote
// doubled: a"b gives "a""b".
QString ScriptQuoted(const QString &value);

// A parameter value written as it stands, unless it holds a ";" or a double
// quote; then it is written as ScriptQuoted gives it. Registry data such as
// PATH lists needs this.
QString ScriptValue(const QString &value);

// Plain text for a parameter or directive whose constants the installer
// expands: every "{" doubled, so a brace in a name or caption stays a brace
// instead of opening a constant.
QString InstallerLiteral(const QString &text);

// The text with every single quote doubled, ready to stand between the
// apostrophes of a Pascal string literal.
QString PascalEscaped(const QString &text);

// A whole Pascal string literal: 'It''s'.
QString PascalStringLiteral(const QString &text);

} // namespace talmo

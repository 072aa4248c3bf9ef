#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// Takes a declaration line such as "function FindComponent(AName: String): TComponent;"
// apart into its kind ("function"), name ("FindComponent") and tail (from the
// first "(" to the end: "(AName: String): TComponent;"). An output whose part
// is not found keeps the value the caller passed in; the name is not trimmed.
void SplitPrototype(const QString &declaration, QString &kind, QString &name, QString &tail);

// The declaration line of an event procedure: the kind and tail of the
// event's prototype around procedureName, every "{}" standing for the page's
// and the control's names ("Page1_Button1_"), so that
// ("procedure OnClick(Sender: TObject);", "{}Click", "Page1", "Button1") gives
// "procedure Page1_Button1_Click(Sender: TObject);".
QString EventProcedureDeclaration(const QString &prototype, const QString &procedureName, const QString &pageName,
                                  const QString &objectName);

// Appends one line per parameter of a parameter text ("const S: String; var N: Integer")
// to names, types and modifiers ("const ", "var " or empty). The lists are not
// cleared first; the "var "/"const " clean-up runs over every line of names,
// including lines that were there before the call.
void SplitParameterList(const QString &parameters, QStringList &names, QStringList &types, QStringList &modifiers);

// Trims every character up to and including the blank from both ends.
QString TrimScriptText(const QString &text);

} // namespace talmo

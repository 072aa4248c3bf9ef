#pragma once

#include <QString>
#include <QStringList>

// Structural checks of generated Pascal script text that the installer's
// compiler would otherwise only report at build time.

// Every begin/try/case/record is closed by its "end" and every repeat by its
// "until", never more closes than opens; comments in braces and quoted
// literals are skipped. Returns an empty text when balanced, else what is wrong.
QString PascalBlockProblem(const QStringList &lines);

// The routines (function and procedure heads at the start of a line) that
// are used on a line before the line that declares them.
QStringList RoutinesUsedBeforeDeclaration(const QStringList &lines);

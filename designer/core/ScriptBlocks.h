#pragma once

#include <QStringList>

namespace talmo {

// Whole-word, case-insensitive search of a script line, literals skipped.
bool ContainsWord(const QString &line, const QString &word);

// A line that declares a routine: it holds the word "function" or "procedure".
bool IsRoutineHeader(const QString &line);

// Moves a line position past a nested block: from line on, a line holding
// the word "end" stops the skip there; a line holding "begin" or "case"
// skips the block it opens first. A line with both "end" and "begin" counts
// as "end", and "try" and "repeat" open no block, so their "end" ends the
// skip. The skip never goes past the text's second-to-last line (or its last,
// when it starts there) and returns the line it stopped at.
int SkipCodeBlock(int line, const QStringList &lines);

} // namespace talmo

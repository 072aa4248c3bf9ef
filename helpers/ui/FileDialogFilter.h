#pragma once

#include <QStringList>

namespace talmo {

// Turns the pipe form of a file filter ("Text (*.txt;*.log)|*.txt;*.log|All
// Files (*.*)|*.*") into Qt name filters ("Text (*.txt *.log)", "All Files (*)").
// The description's own trailing pattern list is replaced by the real one, so
// what the user reads is what the dialog matches.
QStringList qtNameFilters(const QString &pipeFilter);

} // namespace talmo

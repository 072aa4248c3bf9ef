#pragma once

#include <QStringList>

namespace talmo::cabwiz {

// One run of cabwiz: reads the .inf file the arguments name and writes
// "<inf base>.CAB", or "<inf base>.<cpu>.CAB" for every processor named after
// /cpu, into the output folder. Either every cabinet is written or none is.
// Returns the exit code (0 success, 1 a fault of the input, 2 a wrong command
// line); the lines to print are appended to output.
int runCabwiz(const QStringList &arguments, QStringList *output);

} // namespace talmo::cabwiz

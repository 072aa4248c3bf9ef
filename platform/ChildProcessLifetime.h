#pragma once

class QProcess;

namespace talmo {

// Has the program a QProcess starts killed as soon as the thread that starts
// it ends, the whole process being killed included, so no child of a killed
// build goes on writing its outputs. Call before start().
void EndChildWithParent(QProcess &process);

} // namespace talmo

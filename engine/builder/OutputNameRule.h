#pragma once

#include <QString>

namespace talmo {

// A file name the project gives to an output (the CAB file name, the setup
// program's name) must name a file inside the output folder, wherever that
// folder is: absolute names ("/x", "\x", "C:x") and names that climb out
// through ".." are refused. Both separators count, as project files come
// from Windows too.
bool LeavesOutputFolder(const QString &fileName);

} // namespace talmo

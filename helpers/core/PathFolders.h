#pragma once

#include <QString>

namespace talmo {

// The folders the program works in, found from the environment.

// True when the variable exists with a non-empty value. The value is emptied
// for a missing variable; with expand set, %NAME% references in it are
// replaced as ExpandEnvironmentVars does.
bool GetEnvironmentVar(const QString &name, QString &value, bool expand);
// The text with every %NAME% of an existing variable replaced by its value;
// other percent signs stay.
QString ExpandEnvironmentVars(const QString &text);

// The working folder of the builds, without a trailing separator: TMP, else
// TEMP, else TMPDIR or the system's temporary folder, else the current folder.
QString GetTempDirectory();

// The user's documents folder without a trailing separator.
QString GetMyDocumentsFolder();
// Tests and unusual set-ups point the documents folder elsewhere.
void SetMyDocumentsFolderOverride(const QString &folder);
void ClearMyDocumentsFolderOverride();

} // namespace talmo

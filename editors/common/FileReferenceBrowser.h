#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace talmo {

// The open dialog with the make-relative box, the box checked at first: the
// chosen file as the project stores it (see StoredFileReference), or nothing
// when the dialog was cancelled. Without fileMustExist the user may name a
// file that is made later. Without initialDir the dialog starts in the
// folder of initialFile, read against the project's folder, or in the
// project's folder.
std::optional<QString> BrowseFileReference(QWidget *parent, const QString &projectFileName, const QString &filter,
                                           const QString &initialFile, const QString &initialDir = QString(),
                                           bool fileMustExist = true);

} // namespace talmo

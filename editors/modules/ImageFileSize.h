#pragma once

#include <QSize>
#include <QString>

#include <optional>

namespace talmo {

// The pixel size of the image a project references (a path relative to the
// project file's folder resolved first), read from the file's header only;
// nothing when the file cannot be read as an image.
std::optional<QSize> ImageFileSize(const QString &projectFileName, const QString &reference);

} // namespace talmo

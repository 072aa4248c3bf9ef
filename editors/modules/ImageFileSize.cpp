#include "editors/modules/ImageFileSize.h"

#include "helpers/core/PathHelpers.h"
#include "platform/HostPath.h"

#include <QImageReader>

namespace talmo {

std::optional<QSize> ImageFileSize(const QString &projectFileName, const QString &reference)
{
    QImageReader reader(ToHostPath(ResolveFileReference(projectFileName, reference)));
    QSize size = reader.size();
    // Formats whose header does not give the size are read whole.
    if (!size.isValid() && reader.canRead())
        size = reader.read().size();
    if (!size.isValid())
        return std::nullopt;
    return size;
}

} // namespace talmo

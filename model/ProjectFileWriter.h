#pragma once

#include "helpers/core/XmlTree.h"

#include <QIODevice>
#include <QString>

#include <memory>

namespace talmo {

class TProjectContainer;

// Writes a project as its .talmo file: the root Talmo_Details with one element
// per setting and list, in the file's fixed order.
class ProjectFileWriter
{
public:
    // What the project window tells the user when a save returns false.
    static inline const QString SaveErrorMessage = QStringLiteral("Error while saving project");

    // Normalises the project first (CopyFiles rebuild, trailing empty code
    // lines dropped), then writes the whole document. On success the project
    // takes the file name and is no longer modified; on failure the old file,
    // the file name and the modified flag stay as they were.
    static bool SaveToFile(TProjectContainer &project, const QString &fileName);
    // The same into a stream; fileName still becomes the project's file name.
    static bool SaveToStream(TProjectContainer &project, const QString &fileName, QIODevice &stream);

    // The document of the project as it stands, without normalising it.
    // Raises ListIndexError for a component whose module does not exist.
    static std::unique_ptr<XmlElement> BuildDocument(const TProjectContainer &project);
};

} // namespace talmo

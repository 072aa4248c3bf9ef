#pragma once

#include "helpers/core/XmlTree.h"

#include <QIODevice>
#include <QString>

namespace talmo {

class TProjectContainer;

// Loads a .talmo file into a project: resets it, reads every element it knows
// by name, takes the fallback of each guarded part that is missing or broken,
// converts the elements of older versions, normalises the model and migrates
// older projects.
class ProjectFileReader
{
public:
    // What the callers tell the user when a load returns false.
    static inline const QString LoadErrorMessage = QStringLiteral("Error while loading project !");

    // True when the project was loaded; it then holds the file under the
    // given name and is not modified. On false it keeps what was read before
    // the failure, with an empty file name, and nothing was written anywhere.
    static bool LoadFromFile(TProjectContainer &project, const QString &fileName);
    // The same; on false refusal says, in the user's words, what is wrong
    // with the file.
    static bool LoadFromFile(TProjectContainer &project, const QString &fileName, QString &refusal);
    // The same from a stream; fileName still becomes the project's file name.
    static bool LoadFromStream(TProjectContainer &project, const QString &fileName, QIODevice &stream);
    // The same from a parsed document; a null root fails.
    static bool LoadFromDocument(TProjectContainer &project, const QString &fileName, const XmlElement *root);

private:
    // Empty when the project was loaded, otherwise what is wrong with the document.
    static QString ReadDocument(TProjectContainer &project, const QString &fileName, const XmlElement &root);
};

} // namespace talmo

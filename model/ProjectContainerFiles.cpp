// The container's project-file operations, carried out by the file classes.
#include "model/ProjectContainer.h"

#include "model/ProjectFileReader.h"
#include "model/ProjectFileWriter.h"

namespace talmo {

bool TProjectContainer::SaveToFile(const QString &fileName, QIODevice *stream)
{
    return stream ? ProjectFileWriter::SaveToStream(*this, fileName, *stream)
                  : ProjectFileWriter::SaveToFile(*this, fileName);
}

bool TProjectContainer::LoadFromFile(const QString &fileName, QIODevice *stream)
{
    return stream ? ProjectFileReader::LoadFromStream(*this, fileName, *stream)
                  : ProjectFileReader::LoadFromFile(*this, fileName);
}

} // namespace talmo

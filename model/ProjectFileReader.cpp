#include "model/ProjectFileReader.h"

#include "model/AssociationDataMigration.h"
#include "model/ListIndexError.h"
#include "model/ProjectContainer.h"
#include "model/ProjectDocumentReader.h"
#include "model/ProjectFileElements.h"
#include "model/ShortcutMigration.h"
#include "model/XmlDocumentFile.h"

namespace talmo {

namespace {

void runPostLoadSteps(TProjectContainer &project, const QString &fileName)
{
    project.BuildDeviceFileLists();
    project.RebuildCopyFilesSections();
    project.SetFileName(fileName);
    project.Modified = false;
    project.TrimCodeLines();
    MigrateShortcutSections(project);
    MigrateAssociationData(project);
}

} // namespace

bool ProjectFileReader::LoadFromFile(TProjectContainer &project, const QString &fileName)
{
    const std::unique_ptr<XmlElement> root = XmlDocumentFile::Read(fileName);
    return LoadFromDocument(project, fileName, root.get());
}

bool ProjectFileReader::LoadFromStream(TProjectContainer &project, const QString &fileName, QIODevice &stream)
{
    const std::unique_ptr<XmlElement> root = XmlDocumentFile::Read(stream);
    return LoadFromDocument(project, fileName, root.get());
}

bool ProjectFileReader::LoadFromDocument(TProjectContainer &project, const QString &fileName, const XmlElement *root)
{
    project.Reset();
    if (!root)
        return false;
    try {
        ProjectDocumentReader(project, *root, TProgramOptions::current()).ReadAll();
        runPostLoadSteps(project, fileName);
    } catch (const ProjectFileReadError &) {
        return false;
    } catch (const ListIndexError &) {
        return false;
    }
    return true;
}

} // namespace talmo

#include "model/ProjectFileReader.h"

#include "model/AssociationDataMigration.h"
#include "model/ListIndexError.h"
#include "model/ProjectContainer.h"
#include "model/ProjectDocumentReader.h"
#include "model/ProjectFileElements.h"
#include "model/ShortcutMigration.h"
#include "model/XmlDocumentFile.h"

#include <QFile>

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

bool ProjectFileReader::LoadFromFile(TProjectContainer &project, const QString &fileName, QString &refusal)
{
    project.Reset();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        refusal = QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty()) {
        refusal = QStringLiteral("The file is empty.");
        return false;
    }
    const std::unique_ptr<XmlElement> root = XmlTree::parse(bytes);
    if (!root) {
        refusal = QStringLiteral("The file is not a Talmo project: it is no XML document.");
        return false;
    }
    refusal = ReadDocument(project, fileName, *root);
    return refusal.isEmpty();
}

bool ProjectFileReader::LoadFromStream(TProjectContainer &project, const QString &fileName, QIODevice &stream)
{
    const std::unique_ptr<XmlElement> root = XmlDocumentFile::Read(stream);
    return LoadFromDocument(project, fileName, root.get());
}

bool ProjectFileReader::LoadFromDocument(TProjectContainer &project, const QString &fileName, const XmlElement *root)
{
    project.Reset();
    return root && ReadDocument(project, fileName, *root).isEmpty();
}

QString ProjectFileReader::ReadDocument(TProjectContainer &project, const QString &fileName, const XmlElement &root)
{
    const QString damaged = QStringLiteral("The file is not a Talmo project, or it is damaged: %1.");
    try {
        ProjectDocumentReader(project, root, TProgramOptions::current()).ReadAll();
        runPostLoadSteps(project, fileName);
    } catch (const ProjectFileReadError &error) {
        return damaged.arg(QString::fromUtf8(error.what()));
    } catch (const ListIndexError &error) {
        return damaged.arg(QString::fromUtf8(error.what()));
    }
    return QString();
}

} // namespace talmo

#include "engine/cab/ShortcutFile.h"

#include "engine/cab/BuildStepError.h"
#include "engine/cab/CustomIconShortcuts.h"
#include "model/PathMacros.h"
#include "model/ProjectContainer.h"
#include "platform/AnsiCodec.h"
#include "platform/AtomicFileWriter.h"

namespace talmo {

namespace {

// The device reads the file's paths as they stand: its folders from the root.
QString Expanded(const TProjectContainer &project, const QString &text)
{
    return ExpandDevicePath(project, text);
}

} // namespace

QList<ShortcutFile::Position> ShortcutFile::ResourceIcons(const TProjectContainer &project)
{
    QList<Position> positions;
    for (int s = 0; s < project.ShortcutsSections.Count(); ++s) {
        const TShortcutSection &section = project.ShortcutsSections[s];
        for (int e = 0; e < section.Entries.Count(); ++e) {
            if (CustomIconShortcuts::IsResourceIcon(section.Entries[e]))
                positions.append(Position{s, e});
        }
    }
    return positions;
}

QString ShortcutFile::Body(const TProjectContainer &project, const TShortcutEntry &entry, int resourceIconNumber)
{
    QString body = u'"' + Expanded(project, entry.target_file_path) + u'"';
    if (!entry.CustomParameters.isEmpty())
        body += u' ' + entry.CustomParameters;
    body += u'?';
    if (resourceIconNumber >= 0) {
        body += Expanded(project, QStringLiteral("%InstallDir%\\talmo_res.dll")) + QStringLiteral(",-")
            + QString::number(kFirstResourceIconId + resourceIconNumber);
    } else {
        body += Expanded(project, entry.CustomIconFileName);
        if (!entry.CustomIconIndex.isEmpty())
            body += (entry.CustomIconIndexType == u"1" ? QStringLiteral(",-") : QStringLiteral(",")) + entry.CustomIconIndex;
    }
    return body;
}

QByteArray ShortcutFile::Content(const QString &body)
{
    return AnsiCodec::encode(QString::number(body.size()) + u'#' + body + QStringLiteral("\r\n"));
}

QString ShortcutFile::FileName(int section, int entry, int device)
{
    return QStringLiteral("shortcut_%1_%2_%3.lnk").arg(section).arg(entry).arg(device);
}

void ShortcutFile::WriteAll(const TProjectContainer &project, const QString &workingFolder, QStringList &workingFiles)
{
    const QList<Position> resourceIcons = ResourceIcons(project);
    auto resourceIconNumber = [&](int section, int entry) {
        for (int k = 0; k < resourceIcons.size(); ++k) {
            if (resourceIcons[k].section == section && resourceIcons[k].entry == entry)
                return k;
        }
        return -1;
    };
    for (const CustomIconShortcuts::Inclusion &inclusion : CustomIconShortcuts::BySection(project)) {
        const TShortcutEntry &entry = project.ShortcutsSections[inclusion.section].Entries[inclusion.entry];
        const QString name = FileName(inclusion.section, inclusion.entry, inclusion.device);
        workingFiles.append(name);
        const QString path = workingFolder + u'/' + name;
        const QByteArray content =
            Content(Body(project, entry, resourceIconNumber(inclusion.section, inclusion.entry)));
        QString reason;
        if (!AtomicFileWriter::writeFile(path, content, &reason))
            throw BuildStepError(QStringLiteral("Cannot write the shortcut file %1: %2").arg(path, reason));
    }
}

} // namespace talmo

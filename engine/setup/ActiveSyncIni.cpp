#include "engine/setup/ActiveSyncIni.h"

#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"
#include "platform/AnsiCodec.h"

namespace talmo {

namespace {

QString withUnderscores(QString text)
{
    return text.replace(QLatin1Char(' '), QLatin1Char('_'));
}

// The file-name part of a path written with "\", "/" or a drive colon.
QString fileNamePart(const QString &path)
{
    const qsizetype cut = std::max({path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')),
                                    path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1);
}

// The CAB file name chosen for the project, without its last extension.
QString cabBaseName(const TProjectContainer &project)
{
    const QString name = project.CABOutputFilename;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return withUnderscores(dot < 0 ? name : name.left(dot));
}

QStringList header(const QString &component)
{
    return {QStringLiteral("[CEAppManager]"), QStringLiteral("Version=1.0"), QStringLiteral("Component=") + component,
            QString(), QLatin1Char('[') + component + QLatin1Char(']')};
}

void addUninstallAndIcon(QStringList &lines, const TProjectContainer &project)
{
    lines << QStringLiteral("Uninstall=") + project.Win32AppName + QStringLiteral("_is1");
    if (!project.IconFile.isEmpty())
        lines << QStringLiteral("IconFile=auni.ico") << QStringLiteral("IconIndex=0");
}

} // namespace

QString ActiveSyncIni::CabFileList(const TProjectContainer &project)
{
    const bool named = !project.CABOutputFilename.isEmpty();
    const QString base = named ? cabBaseName(project) : project.AppName;
    if (project.CEDevices.Count() <= 1)
        return withUnderscores(base + QStringLiteral(".CAB"));
    QStringList cabs;
    for (int i = 1; i < project.CEDevices.Count(); ++i) {
        const QString configuration = TProjectContainer::GetDeviceName(project.CEDevices[i].Caption);
        cabs << withUnderscores(base + QLatin1Char('.') + configuration + QStringLiteral(".CAB"));
    }
    return cabs.join(QLatin1Char(','));
}

QStringList ActiveSyncIni::SetupIni(const TProjectContainer &project)
{
    QStringList lines = header(project.AppName);
    lines << QStringLiteral("Description=") + project.Description;
    addUninstallAndIcon(lines, project);
    lines << QStringLiteral("CabFiles=") + CabFileList(project);
    return lines;
}

QString ActiveSyncIni::PluginIniFileName(const TPluginContainer &container, int n)
{
    if (container.Type == TPluginContainer::NetCF2Type)
        return QStringLiteral("netcf2%1.ini").arg(n);
    if (container.Type == TPluginContainer::SqlMobileType)
        return QStringLiteral("sqlmobile%1.ini").arg(n);
    return QString();
}

QStringList ActiveSyncIni::PluginIni(const TPluginContainer &container, int n)
{
    const bool netcf = container.Type == TPluginContainer::NetCF2Type;
    QStringList lines = header(netcf ? QStringLiteral("NETCF") : QStringLiteral("SQLMobile"));
    lines << QStringLiteral("Description=") + container.Caption;
    QStringList cabs;
    for (const TPluginPlatform &platform : container.Platforms) {
        if (!platform.Checked)
            continue;
        for (const TPluginProcessor &processor : platform.Processors) {
            if (!processor.Checked)
                continue;
            for (const TFile &file : processor.Files)
                cabs << QStringLiteral("plug%1\\").arg(n) + fileNamePart(file.Source);
        }
    }
    lines << QStringLiteral("CabFiles=") + cabs.join(QLatin1Char(','));
    return lines;
}

QString ActiveSyncIni::CollectionIniFileName(int n)
{
    return QStringLiteral("comp-%1.ini").arg(n);
}

QStringList ActiveSyncIni::CollectionIni(const TProjectContainer &project, const TCabCollection &collection, int n)
{
    QStringList lines = header(QStringLiteral("comp-%1").arg(n));
    lines << QStringLiteral("Description=") + collection.Caption;
    addUninstallAndIcon(lines, project);
    QStringList cabs;
    for (const TFile &file : collection.Files) {
        const QString name = IsUrl(file.Source) ? ExtractUrlFileName(file.Source) : fileNamePart(file.Source);
        cabs << QStringLiteral("comp-%1\\").arg(n) + name;
    }
    lines << QStringLiteral("CabFiles=") + cabs.join(QLatin1Char(','));
    return lines;
}

QByteArray ActiveSyncIni::Encode(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += AnsiCodec::encode(line) + "\r\n";
    return bytes;
}

} // namespace talmo

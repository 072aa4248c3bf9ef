#include "tools/datagen/RedistCabinets.h"

#include <QDir>
#include <QFileInfo>

#include <libgcab.h>

#include <memory>

namespace talmo {

namespace {

const QString SqlMobileFolder = QStringLiteral("redist/SQLServer/Mobile/v3.0/");
const QString CompactFrameworkFolder = QStringLiteral("redist/CompactFramework/CF2/");

QStringList sqlMobilePaths()
{
    QStringList paths;
    const QString wce4 = SqlMobileFolder + QStringLiteral("wce400/armv4/");
    for (const char *name : {"sqlce30.dev.ENU.ppc.wce4.armv4.CAB", "sqlce30.ppc.wce4.armv4.CAB",
                             "sqlce30.repl.ppc.wce4.armv4.CAB"})
        paths << wce4 + QLatin1String(name);
    const QString armv4i = SqlMobileFolder + QStringLiteral("wce500/armv4i/");
    for (const char *name : {"sqlce30.dev.ENU.phone.wce5.armv4i.CAB", "sqlce30.dev.ENU.ppc.wce5.armv4i.CAB",
                             "sqlce30.dev.ENU.wce5.armv4i.CAB", "sqlce30.phone.wce5.armv4i.CAB",
                             "sqlce30.ppc.wce5.armv4i.CAB", "sqlce30.repl.phone.wce5.armv4i.CAB",
                             "sqlce30.repl.ppc.wce5.armv4i.CAB", "sqlce30.repl.wce5.armv4i.CAB",
                             "sqlce30.wce5.armv4i.CAB"})
        paths << armv4i + QLatin1String(name);
    for (const char *processor : {"mipsii", "mipsii_fp", "mipsiv", "mipsiv_fp", "sh4", "x86"}) {
        const QString folder = SqlMobileFolder + QStringLiteral("wce500/%1/").arg(QLatin1String(processor));
        for (const char *pattern : {"sqlce30.dev.ENU.wce5.%1.CAB", "sqlce30.repl.wce5.%1.CAB", "sqlce30.wce5.%1.CAB"})
            paths << folder + QLatin1String(pattern).arg(QLatin1String(processor));
    }
    return paths;
}

QStringList compactFrameworkPaths()
{
    QStringList paths;
    paths << CompactFrameworkFolder + QStringLiteral("wce400/armv4/NETCFv2.ppc.armv4.cab");
    paths << CompactFrameworkFolder + QStringLiteral("wce500/armv4i/NETCFv2.wce5.armv4i.cab");
    paths << CompactFrameworkFolder + QStringLiteral("wce500/armv4i/NETCFv2.wm.armv4i.cab");
    for (const char *processor : {"mipsii", "mipsiv", "sh4", "x86"})
        paths << CompactFrameworkFolder
                     + QStringLiteral("wce500/%1/NETCFv2.wce5.%1.cab").arg(QLatin1String(processor));
    return paths;
}

QByteArray placeholderText(const QString &relativePath)
{
    const QString runtime = relativePath.startsWith(SqlMobileFolder)
                                ? QStringLiteral("the SQL Mobile 3.0 runtime")
                                : QStringLiteral("the .NET Compact Framework 2.0 runtime");
    return QStringLiteral("TALMO PLACEHOLDER - %1\r\n\r\n"
                          "This cabinet stands in for %2 that Talmo's built-in\r\n"
                          "redistributable set names. Talmo does not ship that runtime: put the\r\n"
                          "real cabinet in its place before you build a setup that installs it.\r\n")
        .arg(QFileInfo(relativePath).fileName(), runtime)
        .toLatin1();
}

template <typename T>
struct GObjectDeleter
{
    void operator()(T *object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter<T>>;

bool failWith(QString *error, const QString &path, GError *gerror)
{
    *error = QStringLiteral("Cannot write %1: %2").arg(path, QString::fromUtf8(gerror ? gerror->message : "unknown error"));
    g_clear_error(&gerror);
    return false;
}

bool writeCabinet(const QString &path, const QByteArray &content, QString *error)
{
    GError *gerror = nullptr;
    GBytes *bytes = g_bytes_new(content.constData(), gsize(content.size()));
    GObjectPtr<GCabFile> file(gcab_file_new_with_bytes("PLACEHOLDER.TXT", bytes));
    g_bytes_unref(bytes);
    // A fixed date keeps the cabinets identical from build to build.
    GDateTime *date = g_date_time_new_utc(2008, 1, 1, 0, 0, 0);
    gcab_file_set_date_time(file.get(), date);
    g_date_time_unref(date);

    GObjectPtr<GCabFolder> folder(gcab_folder_new(GCAB_COMPRESSION_NONE));
    if (!gcab_folder_add_file(folder.get(), file.get(), FALSE, nullptr, &gerror))
        return failWith(error, path, gerror);
    GObjectPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    if (!gcab_cabinet_add_folder(cabinet.get(), folder.get(), &gerror))
        return failWith(error, path, gerror);

    GObjectPtr<GFile> target(g_file_new_for_path(QFile::encodeName(path).constData()));
    GObjectPtr<GFileOutputStream> stream(
        g_file_replace(target.get(), nullptr, FALSE, G_FILE_CREATE_NONE, nullptr, &gerror));
    if (!stream)
        return failWith(error, path, gerror);
    if (!gcab_cabinet_write_simple(cabinet.get(), G_OUTPUT_STREAM(stream.get()), nullptr, nullptr, nullptr, &gerror)
        || !g_output_stream_close(G_OUTPUT_STREAM(stream.get()), nullptr, &gerror))
        return failWith(error, path, gerror);
    return true;
}

} // namespace

QStringList RedistCabinets::relativePaths()
{
    return sqlMobilePaths() + compactFrameworkPaths();
}

bool RedistCabinets::writeAll(const QString &programFolder, QString *error)
{
    const QDir root(programFolder);
    for (const QString &relativePath : relativePaths()) {
        const QString path = root.filePath(relativePath);
        if (!QDir().mkpath(QFileInfo(path).path())) {
            *error = QStringLiteral("Cannot create the folder of %1").arg(path);
            return false;
        }
        if (!writeCabinet(path, placeholderText(relativePath), error))
            return false;
    }
    return true;
}

} // namespace talmo

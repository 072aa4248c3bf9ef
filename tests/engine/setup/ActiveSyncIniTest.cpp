#include "engine/setup/ActiveSyncIni.h"
#include "model/ProjectContainer.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

void addDevice(TProjectContainer &project, const QString &caption)
{
    project.CEDevices.AddNew().Caption = caption;
}

TPluginContainer &addPlugin(TProjectContainer &project, const QString &type, const QString &caption)
{
    TPluginContainer &container = project.PluginContainers.AddNew();
    container.Type = type;
    container.Caption = caption;
    return container;
}

TPluginProcessor &addProcessor(TPluginPlatform &platform, bool checked, const QStringList &cabs)
{
    TPluginProcessor &processor = platform.Processors.AddNew();
    processor.Checked = checked;
    for (const QString &cab : cabs)
        processor.Files.AddNew().Source = cab;
    return processor;
}

} // namespace

TEST(ActiveSyncIni, setupIniNamesTheCabsTheCabBuildLeaves)
{
    struct Case
    {
        QStringList devices;
        QString cabName;
        QString iconFile;
        QStringList expected;
    };
    const QStringList head = {QStringLiteral("[CEAppManager]"), QStringLiteral("Version=1.0"), QStringLiteral("Component=My App"),
                              QString(), QStringLiteral("[My App]"), QStringLiteral("Description=A mobile tool"),
                              QStringLiteral("Uninstall=My Desktop App_is1")};
    const QStringList icon = {QStringLiteral("IconFile=auni.ico"), QStringLiteral("IconIndex=0")};
    const QList<Case> cases = {
        {{QStringLiteral("CEDevice [ Default ]")}, QString(), QString(), head + QStringList{QStringLiteral("CabFiles=My_App.CAB")}},
        {{QStringLiteral("CEDevice [ Default ]")}, QStringLiteral("Setup Pack.cab"), QStringLiteral("app.ico"),
         head + icon + QStringList{QStringLiteral("CabFiles=Setup_Pack.CAB")}},
        {{QStringLiteral("CEDevice [ Default ]"), QStringLiteral("CEDevice.ARMV4"), QStringLiteral("CEDevice.MIPS II")}, QString(),
         QString(), head + QStringList{QStringLiteral("CabFiles=My_App.ARMV4.CAB,My_App.MIPS_II.CAB")}},
        {{QStringLiteral("CEDevice [ Default ]"), QStringLiteral("CEDevice.ARMV4")}, QStringLiteral("Setup.v2.cab"), QString(),
         head + QStringList{QStringLiteral("CabFiles=Setup.v2.ARMV4.CAB")}},
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        project.CEDevices.Clear();
        for (const QString &device : c.devices)
            addDevice(project, device);
        project.AppName = QStringLiteral("My App");
        project.Description = QStringLiteral("A mobile tool");
        project.Win32AppName = QStringLiteral("My Desktop App");
        project.CABOutputFilename = c.cabName;
        project.IconFile = c.iconFile;
        EXPECT_EQ(ActiveSyncIni::SetupIni(project), c.expected) << c.expected.last().toStdString();
    }
}

TEST(ActiveSyncIni, runtimeModuleFilesListTheCheckedProcessorsCabs)
{
    TProjectContainer project;
    TPluginContainer &netcf = addPlugin(project, TPluginContainer::NetCF2Type, QStringLiteral(".NET CF 2.0"));
    TPluginPlatform &ppc = netcf.Platforms.AddNew();
    ppc.Checked = true;
    addProcessor(ppc, true, {QStringLiteral("redist\\netcf\\NETCFv2.ppc.armv4.cab")});
    addProcessor(ppc, true, {QStringLiteral("C:/cabs/NETCFv2.wm.armv4i.cab")});
    addProcessor(ppc, false, {QStringLiteral("unchecked.cab")});
    TPluginPlatform &off = netcf.Platforms.AddNew();
    addProcessor(off, true, {QStringLiteral("platform-off.cab")});
    TPluginContainer &sql = addPlugin(project, TPluginContainer::SqlMobileType, QStringLiteral("SQL Mobile"));
    addPlugin(project, QStringLiteral("OTHER"), QStringLiteral("?"));

    EXPECT_EQ(ActiveSyncIni::PluginIniFileName(netcf, 0), QStringLiteral("netcf20.ini"));
    EXPECT_EQ(ActiveSyncIni::PluginIni(netcf, 0),
              (QStringList{QStringLiteral("[CEAppManager]"), QStringLiteral("Version=1.0"), QStringLiteral("Component=NETCF"),
                           QString(), QStringLiteral("[NETCF]"), QStringLiteral("Description=.NET CF 2.0"),
                           QStringLiteral("CabFiles=plug0\\NETCFv2.ppc.armv4.cab,plug0\\NETCFv2.wm.armv4i.cab")}));
    EXPECT_EQ(ActiveSyncIni::PluginIniFileName(sql, 1), QStringLiteral("sqlmobile1.ini"));
    EXPECT_EQ(ActiveSyncIni::PluginIni(sql, 1),
              (QStringList{QStringLiteral("[CEAppManager]"), QStringLiteral("Version=1.0"), QStringLiteral("Component=SQLMobile"),
                           QString(), QStringLiteral("[SQLMobile]"), QStringLiteral("Description=SQL Mobile"),
                           QStringLiteral("CabFiles=")}));
    EXPECT_EQ(ActiveSyncIni::PluginIniFileName(project.PluginContainers[2], 2), QString());
}

TEST(ActiveSyncIni, collectionFilesNameLocalAndDownloadedCabs)
{
    TProjectContainer project;
    project.Win32AppName = QStringLiteral("Desk");
    project.IconFile = QStringLiteral("icon.ico");
    TCabCollection &collection = project.CabCollections.AddNew();
    collection.Caption = QStringLiteral("Extras");
    collection.Files.AddNew().Source = QStringLiteral("..\\cabs\\extra one.cab");
    collection.Files.AddNew().Source = QStringLiteral("http://example.org/get/tool.cab");
    EXPECT_EQ(ActiveSyncIni::CollectionIniFileName(3), QStringLiteral("comp-3.ini"));
    EXPECT_EQ(ActiveSyncIni::CollectionIni(project, collection, 3),
              (QStringList{QStringLiteral("[CEAppManager]"), QStringLiteral("Version=1.0"), QStringLiteral("Component=comp-3"),
                           QString(), QStringLiteral("[comp-3]"), QStringLiteral("Description=Extras"),
                           QStringLiteral("Uninstall=Desk_is1"), QStringLiteral("IconFile=auni.ico"), QStringLiteral("IconIndex=0"),
                           QStringLiteral("CabFiles=comp-3\\extra one.cab,comp-3\\tool.cab")}));
}

TEST(ActiveSyncIni, encodesAnsiWithCrLfAfterEveryLine)
{
    EXPECT_EQ(ActiveSyncIni::Encode({QStringLiteral("Description=Caf\u00e9 \u20ac \u4e2d"), QString()}),
              QByteArray("Description=Caf\xe9 \x80 ?\r\n\r\n"));
}

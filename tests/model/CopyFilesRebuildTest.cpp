#include "ScriptedRandomSource.h"

#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

void addFlatFile(TCEDevice &device, const QString &sourceDir, const QString &sourceName,
                 const QString &destinationDir, const QString &destinationName, int attributes)
{
    TPPCFS_File &file = device.Files.AddNew();
    file.SourceDir = sourceDir;
    file.SourceName = sourceName;
    file.DestinationDir = destinationDir;
    file.DestinationName = destinationName;
    file.Attributes = attributes;
}

// Two configurations; folders that differ only in case or in the trailing
// backslash; a name that occurs twice on one disk; several destinations.
void addFixture(TProjectContainer &project)
{
    TCEDevice &standard = project.CEDevices.AddNew();
    standard.Caption = "CEDevice [ Default ]";
    standard.Installation.defaultInstallCopyFiles << "stale";
    addFlatFile(standard, "C:\\Src\\A\\", "app.exe", "%CE1%\\App\\", "app.exe", 0);
    addFlatFile(standard, "c:\\src\\a\\", "app.dll", "%CE1%\\App\\", "app.dll", 1);
    addFlatFile(standard, "C:\\Src\\A", "app.exe", "%CE2%\\", "copy.exe", 2);
    addFlatFile(standard, "C:\\Src\\A\\", "help.htm", "%CE1%\\App", "help.htm", 3);

    TCEDevice &arm = project.CEDevices.AddNew();
    arm.Caption = "CEDevice.ARMV4";
    addFlatFile(arm, "C:\\Src\\A\\", "app.exe", "%CE1%\\App\\", "app.exe", 0);
    addFlatFile(arm, "C:\\Src\\A\\", "app.exe", "%CE1%\\App\\", "app.exe", 0);
}

// Everything the rebuild derives, apart from the drawn names, one line per
// disk or section; folders with their trailing separator.
QStringList structureOf(const TProjectContainer &project)
{
    QStringList lines;
    for (const TCEDevice &device : project.CEDevices) {
        for (const TDisk &disk : device.Disks) {
            QStringList files;
            for (const TFile &file : disk.Files)
                files << file.Source;
            lines << QString("disk %1 %2: %3")
                         .arg(disk.disk_id)
                         .arg(IncludeTrailingSeparator(disk.path), files.join(','));
        }
    }
    for (const TCopyFilesSection &section : project.CopyFilesSections) {
        QStringList files;
        for (const TFile &file : section.Files)
            files << QString("%1>%2/%3").arg(file.Source, file.Destination).arg(file.Attributes);
        lines << QString("section %1 %2 %3: %4")
                     .arg(section.linked_SourceName)
                     .arg(section.linked_SourceDisk)
                     .arg(section.Destination, files.join(','));
    }
    return lines;
}

QStringList sectionCaptions(const TProjectContainer &project)
{
    QStringList captions;
    for (const TCopyFilesSection &section : project.CopyFilesSections)
        captions << section.Caption;
    return captions;
}

} // namespace

TEST(CopyFilesRebuild, DerivesDisksAndSectionsFromTheFlatLists)
{
    TProjectContainer project;
    auto random = std::make_shared<ScriptedRandomSource>(
        QList<int>{ 11, 22, 33, 101, 102, 103, 104, 105, 106 });
    project.SetRandomSource(random);
    addFixture(project);

    project.RebuildCopyFilesSections();

    EXPECT_EQ(random->lastLimit, 9999999);
    EXPECT_EQ(structureOf(project),
              QStringList({
                  "disk 1 C:\\Src\\A\\: app.exe,help.htm",
                  "disk 2 c:\\src\\a\\: app.dll",
                  "disk 3 C:\\Src\\A\\: app.exe",
                  "section 0 0 %CE1%\\App: app.exe>app.exe/0,help.htm>help.htm/3",
                  "section 0 1 %CE1%\\App: app.dll>app.dll/1",
                  "section 0 0 %CE2%: app.exe>copy.exe/2",
                  "section 1 0 %CE1%\\App: app.exe>app.exe/0,app.exe>app.exe/0",
              }));
    const TCEDevice &standard = project.CEDevices[0];
    EXPECT_EQ(standard.Disks[0].comment, "Disk-11");
    EXPECT_EQ(standard.Disks[0].path, "C:\\Src\\A\\");
    EXPECT_EQ(standard.Disks[1].comment, "Disk-22");
    EXPECT_EQ(project.CEDevices[1].Disks[0].comment, "Disk-33");
    EXPECT_EQ(sectionCaptions(project),
              QStringList({ "CopyFiles-101", "CopyFiles-102", "CopyFiles-103", "CopyFiles-104" }));
    EXPECT_EQ(standard.Installation.defaultInstallCopyFiles,
              QStringList({ "CopyFiles-101", "CopyFiles-102", "CopyFiles-103" }));
    EXPECT_EQ(project.CEDevices[1].Installation.defaultInstallCopyFiles,
              QStringList{ "CopyFiles-104" });
    EXPECT_EQ(project.MaxDiskId(), 3);
    EXPECT_EQ(standard.Files.Count(), 4);
}

TEST(CopyFilesRebuild, DrawsUniqueNamesFromARepeatingSource)
{
    TProjectContainer project;
    project.SetRandomSource(std::make_shared<ScriptedRandomSource>(QList<int>{ 7 }));
    project.RegistrySections.AddNew().Caption = "copyfiles-8";
    addFixture(project);

    project.RebuildCopyFilesSections();

    EXPECT_EQ(project.CEDevices[0].Disks[0].comment, "Disk-7");
    EXPECT_EQ(project.CEDevices[0].Disks[1].comment, "Disk-8");
    EXPECT_EQ(project.CEDevices[1].Disks[0].comment, "Disk-9");
    EXPECT_EQ(sectionCaptions(project),
              QStringList({ "CopyFiles-7", "CopyFiles-9", "CopyFiles-10", "CopyFiles-11" }));
}

TEST(CopyFilesRebuild, RoundTripThroughTheFlatListsIsStable)
{
    TProjectContainer project;
    addFixture(project);
    project.RebuildCopyFilesSections();
    const QStringList rebuilt = structureOf(project);

    for (TCEDevice &device : project.CEDevices)
        device.Files.Clear();
    project.BuildDeviceFileLists();
    const TPPCFS_File &loaded = project.CEDevices[0].Files[2];
    EXPECT_EQ(loaded.SourceDir, "c:\\src\\a\\");
    EXPECT_EQ(loaded.DestinationDir, "%CE1%\\App\\");
    project.RebuildCopyFilesSections();

    EXPECT_EQ(structureOf(project), rebuilt);
}

TEST(CopyFilesRebuild, EmptyAndRootDestinationsStaySeparateSections)
{
    TProjectContainer project;
    TCEDevice &device = project.CEDevices.AddNew();
    addFlatFile(device, "/src/", "a", "", "a", 0);
    addFlatFile(device, "/src/", "b", "\\", "b", 0);

    project.RebuildCopyFilesSections();

    ASSERT_EQ(project.CopyFilesSections.Count(), 2);
    EXPECT_EQ(project.CopyFilesSections[0].Destination, "");
    EXPECT_EQ(project.CopyFilesSections[1].Destination, "");
}

TEST(CopyFilesRebuild, WithoutFlatFilesEverythingIsEmptied)
{
    TProjectContainer project;
    addFixture(project);
    project.RebuildCopyFilesSections();
    for (TCEDevice &device : project.CEDevices)
        device.Files.Clear();

    project.RebuildCopyFilesSections();

    EXPECT_EQ(project.CopyFilesSections.Count(), 0);
    EXPECT_EQ(project.MaxDiskId(), 0);
    for (const TCEDevice &device : project.CEDevices) {
        EXPECT_EQ(device.Disks.Count(), 0);
        EXPECT_TRUE(device.Installation.defaultInstallCopyFiles.isEmpty());
    }
}

TEST(BuildDeviceFileLists, AppendsWithoutEmptyingAndSkipsSectionsOfNoConfiguration)
{
    TProjectContainer project;
    TCEDevice &device = project.CEDevices.AddNew();
    TDisk &disk = device.Disks.AddNew();
    disk.path = "/home/me/src";
    TCopyFilesSection &section = project.CopyFilesSections.AddNew();
    section.Destination = "%CE1%";
    TFile &file = section.Files.AddNew();
    file.Source = "a.exe";
    file.Destination = "b.exe";
    file.Attributes = 4;
    project.CopyFilesSections.AddNew().linked_SourceName = 5;

    project.BuildDeviceFileLists();
    project.BuildDeviceFileLists();

    ASSERT_EQ(device.Files.Count(), 2);
    const TPPCFS_File &flat = device.Files[1];
    EXPECT_EQ(flat.SourceName, "a.exe");
    EXPECT_EQ(flat.SourceDir, "/home/me/src/");
    EXPECT_EQ(flat.DestinationDir, "%CE1%\\");
    EXPECT_EQ(flat.DestinationName, "b.exe");
    EXPECT_EQ(flat.Attributes, 4);
}

TEST(BuildDeviceFileLists, ADiskIndexOfNoDiskFails)
{
    TProjectContainer project;
    project.CEDevices.AddNew();
    project.CopyFilesSections.AddNew().linked_SourceDisk = 1;
    EXPECT_THROW(project.BuildDeviceFileLists(), ListIndexError);
}

TEST(CopyFilesRebuild, MaxDiskIdIgnoresIdsBelowOne)
{
    TProjectContainer project;
    EXPECT_EQ(project.MaxDiskId(), 0);
    project.CEDevices.AddNew().Disks.AddNew().disk_id = -4;
    EXPECT_EQ(project.MaxDiskId(), 0);
    project.CEDevices.AddNew().Disks.AddNew().disk_id = 9;
    project.CEDevices[0].Disks.AddNew().disk_id = 2;
    EXPECT_EQ(project.MaxDiskId(), 9);
}

TEST(DeviceName, FollowsTheCaption)
{
    const std::pair<QString, QString> cases[] = {
        { "CEDevice [ Default ]", "Default" },
        { "CEDevice.ARMV4I", "ARMV4I" },
        { "CEDevice.", "" },
        { "CEDevice", "" },
        { "", "" },
    };
    for (const auto &[caption, name] : cases)
        EXPECT_EQ(TProjectContainer::GetDeviceName(caption), name) << caption.toStdString();
}

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace talmo {

class InfField;
struct TCopyFilesSection;
struct TFile;
class TProjectContainer;
struct TCEDevice;
struct TRegistryEntry;

// Writes the one cabwiz .inf file that describes every device configuration
// of a project: strings, device and platform conditions, source disks and
// files, copy sections, shortcuts, registry values and one install section per
// configuration. Every line, the last one included, ends with CR LF.
//
// The text names two folders of this machine: the program folder (where the
// "readme.txt" placeholder of a project without device files lies) and the
// working folder (where the CAB build writes the shortcut files and resource
// DLL copies). Both are given without a trailing separator, so the text is
// the same wherever it is generated.
class InfTextGenerator
{
public:
    InfTextGenerator(const QString &programFolder, const QString &workingFolder);

    // The text for the program's own folders: ProgramFolder and GetTempDirectory.
    static QString GenerateInfText(TProjectContainer &project);

    // Rebuilds the project's disks and CopyFiles sections first, so the
    // section names change with every call.
    QString Generate(TProjectContainer &project);

    // The flag word of a registry entry: the type value of its type name, plus
    // 0x00000002 when an existing value is kept; eight upper-case hex digits.
    static QString RegistryFlagWord(const TRegistryEntry &entry);
    // What follows the source name of a CopyFiles line for copy flags 0 to 7.
    static QString CopyFlagSuffix(int attributes);

    // After Generate: the project item each line of the text comes from, as
    // the user knows it, by line number (from 1); lines of no single item
    // are absent.
    const QHash<int, QString> &LineItems() const { return m_lineItems; }

private:
    void writeHeader();
    void writeStrings();
    void writeDeviceSections();
    void writePlatformSections();
    void writeSourceDisksNames();
    void writeSourceDisksFiles();
    void writeCopyFilesSections();
    void writeShortcutCopySections();
    void writeDestinationDirs();
    void writeInstallSections();
    void writeShortcutSections();
    void writeRegistrySections();

    QString configurationHeader(const QString &base, int device) const;
    QString diskFolder(const QString &path) const;
    bool usesPlaceholderDisk(int device) const;
    QString registryData(const TRegistryEntry &entry) const;
    void line(const QString &text = QString());
    void itemLine(const QString &text, const QString &item);
    QString targetName(int device) const;
    QString copyFileItem(const TCopyFilesSection &section, const TFile &file) const;

    QString m_programFolder;
    QString m_workingFolder;
    TProjectContainer *m_project = nullptr;
    const InfField *m_fields = nullptr;
    // Set for a configuration once its resource-DLL section is written.
    std::vector<bool> m_resourceWritten;
    QStringList m_lines;
    QHash<int, QString> m_lineItems;
};

} // namespace talmo

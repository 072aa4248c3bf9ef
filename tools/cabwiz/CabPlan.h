#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace talmo::cabwiz {

// One file stored in the cabinet: its short member name and where it is read.
struct CabMember
{
    QString name;
    QString sourcePath;
};

// Device folders and paths keep "%InstallDir%" and "%CEn%" for the device to
// translate: the user may install elsewhere, and folder names follow the
// device's language.

// One file the device installs: device folder, file name, the cabinet
// member holding its data and what else the device does with it ("NoOverwrite",
// "Shared", "SelfRegister").
struct FileInstall
{
    QString folder;
    QString fileName;
    qsizetype member = -1;
    QStringList extractParms;
};

enum class RegistryType { String, MultiString, Binary, DWord };

struct RegistryValue
{
    QString key; // root abbreviation, backslash, subkey
    QString name;
    RegistryType type = RegistryType::String;
    QStringList strings; // String and MultiString
    QByteArray bytes;    // Binary
    qint64 number = 0;   // DWord
    bool keepExisting = false;
    bool holdsDeviceString = false; // a string naming a device folder
};

struct ShortcutInstall
{
    QString folder;
    QString fileName;
    QString target;
};

struct InstallSetting
{
    QString name;
    QString value;
    bool isPath = false;
};

// Everything one cabinet holds and its setup descriptor records.
struct CabPlan
{
    QString appName;     // provider and application name, as the device shows it
    QString installDir;
    QList<InstallSetting> settings; // device conditions and setup DLL
    QList<CabMember> members;
    QList<FileInstall> files;
    QList<RegistryValue> registry;
    QList<ShortcutInstall> shortcuts;
};

} // namespace talmo::cabwiz

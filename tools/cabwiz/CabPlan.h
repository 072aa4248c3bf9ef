#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace talmo::cabwiz {

// One file stored in the cabinet: its short member name and where it is read.
struct CabMember
{
    QString name;
    QString sourcePath;
};

// One file the device installs: device folder, file name, the cabinet member
// holding its data and the copy flags of its CopyFiles line.
struct FileInstall
{
    QString folder;
    QString fileName;
    qsizetype member = -1;
    quint32 copyFlags = 0;
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
};

// Everything one cabinet holds and its setup descriptor records.
struct CabPlan
{
    QString appName;     // provider and application name, as the device shows it
    QString installDir;
    QList<InstallSetting> settings; // device conditions, setup DLL, self-registering files
    QList<CabMember> members;
    QList<FileInstall> files;
    QList<RegistryValue> registry;
    QList<ShortcutInstall> shortcuts;
};

} // namespace talmo::cabwiz

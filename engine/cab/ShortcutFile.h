#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TShortcutEntry;

// The one-line .lnk file with which the device installs a file shortcut that
// has an icon of its own: the count of characters that follow, "#", the quoted
// target and its parameters, "?", the icon file and its index.
class ShortcutFile
{
public:
    // The icon-group id of the first .ico shortcut icon in the resource DLL;
    // the template's own groups end below it.
    static constexpr int kFirstResourceIconId = 108;

    // Section and entry index of every shortcut whose icon goes into the
    // resource DLL, in project order: the position in this list is the
    // shortcut's resource-icon number k, its group id 108 + k.
    struct Position
    {
        int section = 0;
        int entry = 0;
    };
    static QList<Position> ResourceIcons(const TProjectContainer &project);

    // The text after "#"; resourceIconNumber is the shortcut's k, or -1 for a
    // shortcut whose icon stays in its own file.
    static QString Body(const TProjectContainer &project, const TShortcutEntry &entry, int resourceIconNumber);
    // The whole file: the line in the ANSI code page, ended by CR LF.
    static QByteArray Content(const QString &body);
    // "shortcut_<s>_<e>_<d>.lnk".
    static QString FileName(int section, int entry, int device);

    // Writes the file of every custom-icon shortcut once per configuration
    // that includes its section (and once per naming of the section there)
    // into the working folder, appending each name to workingFiles before
    // writing it. Throws BuildStepError when a file cannot be written.
    static void WriteAll(const TProjectContainer &project, const QString &workingFolder, QStringList &workingFiles);
};

} // namespace talmo

#include "model/PathMacros.h"

#include "model/ProjectContainer.h"

#include <QRegularExpression>

namespace talmo {

namespace {

void replaceMacro(QString &text, const QString &macro, const QString &value)
{
    text.replace(macro, value, Qt::CaseInsensitive);
}

} // namespace

const QList<DeviceFolderMacro> &DeviceFolderMacros()
{
    static const QList<DeviceFolderMacro> folders = {
        { QStringLiteral("%CE1%"), QStringLiteral("Program Files") },
        { QStringLiteral("%CE2%"), QStringLiteral("Windows") },
        { QStringLiteral("%CE4%"), QStringLiteral("Windows\\StartUp") },
        { QStringLiteral("%CE5%"), QStringLiteral("My Documents") },
        { QStringLiteral("%CE8%"), QStringLiteral("Program Files\\Games") },
        { QStringLiteral("%CE11%"), QStringLiteral("Windows\\Start Menu\\Programs") },
        { QStringLiteral("%CE14%"), QStringLiteral("Windows\\Start Menu\\Programs\\Games") },
        { QStringLiteral("%CE15%"), QStringLiteral("Windows\\Fonts") },
        { QStringLiteral("%CE17%"), QStringLiteral("Windows\\Start Menu") },
    };
    return folders;
}

namespace {

QString expandMacros(const TProjectContainer &project, const QString &text, bool expandInstallDir,
                     bool useDeviceAppName, MacroValueForm valueForm, const QString &folderPrefix)
{
    auto value = [valueForm](const QString &stored) { return valueForm ? valueForm(stored) : stored; };
    QString result = text;
    if (expandInstallDir)
        replaceMacro(result, QStringLiteral("%InstallDir%"), value(project.InstallDir));
    replaceMacro(result, QStringLiteral("%AppName%"),
                 value(useDeviceAppName ? project.AppName : project.Win32AppName));
    replaceMacro(result, QStringLiteral("%Provider%"), value(project.Provider));
    replaceMacro(result, QStringLiteral("%Version%"), value(project.Win32Version));
    for (const TStringPair &pair : project.StringPairs) {
        // A nameless pair is no macro; "%%" stays as written.
        if (!pair.Name.isEmpty())
            replaceMacro(result, QLatin1Char('%') + pair.Name + QLatin1Char('%'), value(pair.Value));
    }
    const QList<DeviceFolderMacro> &folders = DeviceFolderMacros();
    for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder)
        replaceMacro(result, folder->macro, folderPrefix + folder->folder);
    return result;
}

} // namespace

QString ExpandPathMacros(const TProjectContainer &project, const QString &text,
                         bool expandInstallDir, bool useDeviceAppName, MacroValueForm valueForm)
{
    return expandMacros(project, text, expandInstallDir, useDeviceAppName, valueForm, QString());
}

QString ExpandDevicePath(const TProjectContainer &project, const QString &text)
{
    static const QRegularExpression separatorRuns(QStringLiteral("\\\\{2,}"));
    return expandMacros(project, text, true, true, nullptr, QStringLiteral("\\")).replace(separatorRuns, QStringLiteral("\\"));
}

} // namespace talmo

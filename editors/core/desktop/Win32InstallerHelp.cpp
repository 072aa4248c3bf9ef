#include "editors/core/desktop/Win32InstallerHelp.h"

#include "scriptknowledge/ScriptHelpPages.h"

#include <initializer_list>

namespace talmo {

namespace {

enum Constants { NoConstants = -1, DirectoryConstants = 0, AllConstants = 1 };

struct Topic
{
    std::initializer_list<const char *> keys;
    std::initializer_list<int> pages;  // empty: every tab
    const char *html;
    Constants constants = NoConstants;
};

const char *const Gap = "<br><br>";

// Our own short explanations of the installer's parameters and flags.
const Topic topics[] = {
    {{"Destination Folder"}, {},
     "<b>Destination Folder</b><br><br>The folder the file is installed into, usually beginning with a directory "
     "constant such as {app}. Setup creates the folder when it is missing and the uninstaller removes it again "
     "when it is left empty.",
     DirectoryConstants},
    {{"Source"}, {},
     "<b>Source</b><br><br>The file to install. A relative name is read from the project's folder; wildcards "
     "such as *.txt pick several files at once. A source beginning with http:// or ftp:// is downloaded by the "
     "setup while it installs."},
    {{"Destination Name"}, {},
     "<b>Destination Name</b><br><br>The name the file gets on the user's computer. Leave it empty to keep the "
     "source's name."},
    {{"Read Only", "File Attributes", "Hidden", "System"}, {},
     "<b>File Attributes</b><br><br>Extra attributes given to the installed file:<ul><li><b>Read Only</b>: the "
     "file cannot be changed.</li><li><b>Hidden</b>: the file is not listed normally.</li><li><b>System</b>: the "
     "file is marked as a system file.</li></ul>"},
    {{"Flags"}, {}, "<b>Flags</b><br><br>The flags are a set of extra options for this entry; each is off unless set to yes."},
    {{"File Properties"}, {},
     "<b>File Properties</b><br><br>Set the file to install and the folder and name it is installed under."},
    {{"Registry Key"}, {},
     "<b>Registry Key</b><br><br>The hive and the key path the value is written to. Missing keys are created."},
    {{"Value"}, {}, "<b>Value</b><br><br>The type, name and data the key receives."},
    {{"Run Properties"}, {3},
     "<b>Run Properties</b><br><br>A program that runs when the files are installed, before the last wizard page "
     "is shown."},
    {{"Run Properties"}, {4},
     "<b>Run Properties</b><br><br>A program that runs first when the application is uninstalled."},
    {{"File Name"}, {3, 4},
     "<b>File Name</b><br><br>The program to run, or a document or folder to open. Anything that is not a "
     "program needs the Shell Execute flag.",
     AllConstants},
    {{"File Name"}, {1},
     "<b>File Name</b><br><br>The name and place of the shortcut, for example {group}\\My Program. The folders on "
     "the way are created.",
     AllConstants},
    {{"Paramaters"}, {3, 4}, "<b>Parameters</b><br><br>The command line passed to the program.", AllConstants},
    {{"Paramaters"}, {1}, "<b>Parameters</b><br><br>The command line the shortcut passes to its target.", AllConstants},
    {{"Working Folder"}, {3, 4},
     "<b>Working Folder</b><br><br>The folder the program starts in.", AllConstants},
    {{"Working Folder"}, {1},
     "<b>Working Folder</b><br><br>The folder the shortcut's target starts in. Empty: the folder of the target."},
    {{"Description"}, {3, 4},
     "<b>Description</b><br><br>The text of a post-install entry's check box on the last wizard page.",
     AllConstants},
    {{"StatusMessage"}, {3, 4},
     "<b>StatusMessage</b><br><br>The text shown while the program runs. Without one the setup shows "
     "\"Finishing installation...\".",
     AllConstants},
    {{"Run Once ID"}, {3, 4},
     "<b>Run Once ID</b><br><br>An identifier that makes an uninstall entry run only once even when several "
     "installations added it. The comparison is case-sensitive."},
    {{"No Wait"}, {3, 4}, "<b>No Wait</b><br><br>Setup goes on at once instead of waiting for the program to end."},
    {{"Shell Execute"}, {3, 4},
     "<b>Shell Execute</b><br><br>Opens the file through the shell, as a double-click does: needed for documents "
     "and folders."},
    {{"Wait Until Idle"}, {3, 4},
     "<b>Wait Until Idle</b><br><br>Waits until the program is idle waiting for input instead of until it ends."},
    {{"Wait Until Terminated"}, {3, 4},
     "<b>Wait Until Terminated</b><br><br>Waits until the program has ended, also for shell-executed files."},
    {{"Run Maximized"}, {3, 4}, "<b>Run Maximized</b><br><br>The program's window starts maximized."},
    {{"Run Minimized"}, {3, 4}, "<b>Run Minimized</b><br><br>The program's window starts minimized."},
    {{"Skip If Doesn't Exists"}, {3, 4},
     "<b>Skip If Doesn't Exists</b><br><br>No error when the file is missing: the entry is silently skipped."},
    {{"Post Install"}, {3, 4},
     "<b>Post Install</b><br><br>The entry becomes a check box on the last wizard page; the program runs only when "
     "the user leaves it checked."},
    {{"Checkbox Unchecked"}, {3, 4},
     "<b>Checkbox Unchecked</b><br><br>The post-install check box starts unchecked."},
    {{"Skip If Silent"}, {3, 4}, "<b>Skip If Silent</b><br><br>The entry is skipped when the setup runs silently."},
    {{"Skip If Not Silent"}, {3, 4},
     "<b>Skip If Not Silent</b><br><br>The entry runs only when the setup runs silently."},
    {{"Hide Wizard"}, {3, 4}, "<b>Hide Wizard</b><br><br>The wizard window is hidden while the program runs."},
    {{"Run Hidden"}, {3, 4}, "<b>Run Hidden</b><br><br>The program's window is not shown."},
    {{"Don't Copy"}, {0}, "<b>Don't Copy</b><br><br>The file is not copied to the user's computer; it is only packed into the setup."},
    {{"Compare Time Stamp"}, {0},
     "<b>Compare Time Stamp</b><br><br>An existing file is replaced only when it is older than the one being "
     "installed."},
    {{"Confirm Overwrite"}, {0}, "<b>Confirm Overwrite</b><br><br>The user is asked before an existing file is replaced."},
    {{"Register Server"}, {0}, "<b>Register Server</b><br><br>The file is registered as a COM server after it is installed."},
    {{"Register Type Library"}, {0}, "<b>Register Type Library</b><br><br>The file is registered as a type library."},
    {{"No Registry Error"}, {0},
     "<b>No Registry Error</b><br><br>A failed registration gives no error message."},
    {{"Replace On Restart"}, {0},
     "<b>Replace On Restart</b><br><br>A file in use is replaced when the computer restarts."},
    {{"Shared File"}, {0},
     "<b>Shared File</b><br><br>The file is counted as shared; the uninstaller removes it only when no other "
     "application uses it."},
    {{"Never Uninstall"}, {0}, "<b>Never Uninstall</b><br><br>The uninstaller leaves the file in place."},
    {{"Touch"}, {0}, "<b>Touch</b><br><br>The installed file gets the setup's date and time."},
    {{"Skip If Source Doesn't Exists"}, {0},
     "<b>Skip If Source Doesn't Exists</b><br><br>A missing source file is skipped instead of stopping the "
     "build."},
    {{"Overwrite Read Only"}, {0},
     "<b>Overwrite Read Only</b><br><br>A read-only file is replaced without asking."},
    {{"Only If Destination Exists"}, {0},
     "<b>Only If Destination Exists</b><br><br>The file is installed only over an existing one."},
    {{"Restart Delete"}, {0},
     "<b>Restart Delete</b><br><br>A file in use when uninstalling is deleted at the next restart."},
    {{"Prompt If Older"}, {0},
     "<b>Prompt If Older</b><br><br>The user is asked before a newer file is replaced by an older one."},
    {{"Only If Doesn't Exists"}, {0},
     "<b>Only If Doesn't Exists</b><br><br>The file is installed only when it is not there yet."},
    {{"Ignore Version"}, {0},
     "<b>Ignore Version</b><br><br>Version numbers are not compared: an existing file is always replaced."},
    {{"Remove Read Only"}, {0},
     "<b>Remove Read Only</b><br><br>The read-only attribute of the installed file is cleared."},
    {{"Replace Same Version"}, {0},
     "<b>Replace Same Version</b><br><br>A file of the same version is replaced too."},
    {{"No Shared File Prompt"}, {0},
     "<b>No Shared File Prompt</b><br><br>The uninstaller does not ask before removing an unused shared file."},
    {{"32bit"}, {0}, "<b>32bit</b><br><br>The file is installed with the 32-bit view of folders and registry."},
    {{"64bit"}, {0}, "<b>64bit</b><br><br>The file is installed with the 64-bit view on 64-bit systems."},
    {{"Target File Name"}, {1},
     "<b>Target File Name</b><br><br>The file the shortcut opens. A web address creates an Internet shortcut.",
     AllConstants},
    {{"Icon File Name"}, {1},
     "<b>Icon File Name</b><br><br>The file holding the shortcut's icon. Empty: the target's own icon."},
    {{"Icon Index"}, {1}, "<b>Icon Index</b><br><br>The number of the icon within the icon file, counting from 0."},
    {{"Comment"}, {1}, "<b>Comment</b><br><br>The text shown as the shortcut's tip."},
    {{"HotKey"}, {1}, "<b>HotKey</b><br><br>The key combination that opens the shortcut, for example ctrl+alt+k."},
    {{"Create Only If File Exists"}, {1},
     "<b>Create Only If File Exists</b><br><br>The shortcut is created only when its target exists."},
    {{"Run Minimized"}, {1}, "<b>Run Minimized</b><br><br>The shortcut opens its target minimized."},
    {{"Never Uninstall"}, {1}, "<b>Never Uninstall</b><br><br>The uninstaller leaves the shortcut in place."},
    {{"Use App Paths"}, {1},
     "<b>Use App Paths</b><br><br>The target's folder is looked up in the registry's application paths."},
    {{"Close On Exit"}, {1},
     "<b>Close On Exit</b><br><br>The console window of the target closes when the program ends."},
    {{"Don't Close On Exit"}, {1},
     "<b>Don't Close On Exit</b><br><br>The console window of the target stays open when the program ends."},
    {{"Run Maximized"}, {1}, "<b>Run Maximized</b><br><br>The shortcut opens its target maximized."},
    {{"Folder Shortcut"}, {1},
     "<b>Folder Shortcut</b><br><br>A shortcut to a folder opens as the folder itself in the Start menu."},
    {{"Delete Type"}, {},
     "<b>Delete Type</b><br><br><ul><li><b>Files</b>: the files matching the name.</li><li><b>Files and/or "
     "Dirs</b>: matching files and folders, with everything in them.</li><li><b>Dir If Empty</b>: the folder, "
     "when it is empty.</li></ul>",
     AllConstants},
    {{"Name"}, {5, 6},
     "<b>Name</b><br><br>The file or folder to delete. Be careful with wildcards in {app}: they can remove files "
     "the user made.",
     AllConstants},
    {{"Name"}, {2},
     "<b>Name</b><br><br>The name of the value. Leave it empty for the key's default value.", AllConstants},
    {{"Root Key"}, {2}, "<b>Root Key</b><br><br>The hive the key belongs to, such as HKEY_LOCAL_MACHINE."},
    {{"Subkey"}, {2}, "<b>Subkey</b><br><br>The key path below the hive, for example Software\\My Company.",
     AllConstants},
    {{"Type"}, {2},
     "<b>Type</b><br><br>The value's type: None creates only the key; String, Expandsz and Multisz hold text; "
     "DWord a number; Binary bytes."},
    {{"Data"}, {2},
     "<b>Data</b><br><br>The value's data: text for the string types, a number for DWord, hex bytes such as "
     "4a 6f for Binary. {olddata} stands for the data already there; in Multisz data {break} separates the "
     "strings.",
     AllConstants},
    {{"Create If Doesn't Exists"}, {2},
     "<b>Create If Doesn't Exists</b><br><br>The value is written only when it does not exist yet."},
    {{"Clear Value On Uninstall"}, {2},
     "<b>Clear Value On Uninstall</b><br><br>The uninstaller empties the value."},
    {{"Delete Key On Uninstall"}, {2},
     "<b>Delete Key On Uninstall</b><br><br>The uninstaller deletes the key with everything in it."},
    {{"Delete Key If Empty On Uninstall"}, {2},
     "<b>Delete Key If Empty On Uninstall</b><br><br>The uninstaller deletes the key when nothing is left in it."},
    {{"Delete Value On Uninstall"}, {2},
     "<b>Delete Value On Uninstall</b><br><br>The uninstaller deletes the value."},
    {{"Preserve String Type"}, {2},
     "<b>Preserve String Type</b><br><br>An existing value keeps its string type when it is replaced."},
    {{"Delete Key On Install"}, {2},
     "<b>Delete Key On Install</b><br><br>The key is deleted before the value is written."},
    {{"Delete Value On Install"}, {2},
     "<b>Delete Value On Install</b><br><br>The value is deleted before it is written."},
    {{"No Error"}, {2}, "<b>No Error</b><br><br>A failed write gives no error message."},
    {{"Don't Create Key"}, {2},
     "<b>Don't Create Key</b><br><br>The value is written only when its key already exists."},
};

struct Overview
{
    const char *heading;
    const char *text;
};

const Overview overviews[] = {
    {"<h6>Installation Files Selection</h6>", "Please choose the files you want to install into the windows dekstop."},
    {"<h6>Icons Entries</h6>", "Please choose the shortcuts you want to create into the windows dekstop."},
    {"<h6>Registry Entries</h6>", "Please create the registry entries you want to install into windows desktop."},
    {"<h6>Install Run Section</h6>", "Programs that will run when installing this installation."},
    {"<h6>Uninstall Run Section</h6>", "Programs that will run when uninstalling this installation."},
    {"<h6>Delete Files on Install</h6>",
     "Files or folders listed here are deleted before anything else is installed. This is the first step of the "
     "installation."},
    {"<h6>Delete Files on Uninstall</h6>",
     "Files or folders listed here are deleted by the uninstaller besides those it installed, such as .INI files "
     "the application wrote. This is the last step of the uninstallation."},
};

bool applies(const Topic &topic, const QString &caption, int page)
{
    bool keyMatches = false;
    for (const char *key : topic.keys)
        keyMatches = keyMatches || caption == QLatin1String(key);
    if (!keyMatches)
        return false;
    if (topic.pages.size() == 0)
        return true;
    for (int p : topic.pages) {
        if (p == page)
            return true;
    }
    return false;
}

} // namespace

QStringList Win32InstallerHelp::Page(int page, const QString &selectedCaption)
{
    QStringList lines = {QStringLiteral("<html>"), QStringLiteral("<header>"), QStringLiteral("</header>"),
                         QStringLiteral("<body bgcolor=\"#FFFFCC\" text=\"#000000\">"),
                         QStringLiteral("<font size=\"1\" face=\"tahoma\">")};
    if (selectedCaption.isEmpty()) {
        lines << QStringLiteral("Windows Installation Plugin") << QLatin1String(Gap)
              << QStringLiteral("This plugin allows the user create a installation targeted to Win32 Desktop.");
        if (page >= 0 && page < int(std::size(overviews)))
            lines << QLatin1String(overviews[page].heading) << QLatin1String(overviews[page].text);
    } else {
        bool matched = false;
        for (const Topic &topic : topics) {
            if (!applies(topic, selectedCaption, page))
                continue;
            matched = true;
            lines.append(QString::fromUtf8(topic.html));
            if (topic.constants != NoConstants)
                AddConstantsHelp(topic.constants == AllConstants, lines);
        }
        if (!matched)
            lines.append(QStringLiteral("<h6>No help added yet.</h6>"));
    }
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines;
}

} // namespace talmo

#pragma once

namespace talmo {

struct Win32FolderNode;

// Which commands of the files tab are open for the selected folder node and
// the rows selected in its list.
struct Win32FileCommands
{
    bool addToFolder = false;  // the buttons and a drop from the desktop
    bool addFromList = false;  // the list's popup: also into a focused folder row under "Install Directories"
    bool deleteRows = false;
    bool addFolder = false;
    bool deleteFolder = false;
    bool renameFolder = false;

    static Win32FileCommands forSelection(const Win32FolderNode *node, bool rowsSelected, bool folderRowFocused);
};

} // namespace talmo

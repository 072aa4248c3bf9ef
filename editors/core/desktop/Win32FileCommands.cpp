#include "editors/core/desktop/Win32FileCommands.h"

#include "editors/core/desktop/Win32FolderTree.h"

namespace talmo {

Win32FileCommands Win32FileCommands::forSelection(const Win32FolderNode *node, bool rowsSelected,
                                                  bool folderRowFocused)
{
    Win32FileCommands commands;
    const bool underRoot = node && node->kind == Win32FolderKind::InstallDirectories;
    commands.addToFolder = node && !underRoot;
    commands.addFromList = node && (!underRoot || folderRowFocused);
    commands.deleteRows = rowsSelected && !underRoot;
    commands.addFolder = node && node->kind != Win32FolderKind::AllFiles;
    commands.deleteFolder = node && Win32FolderTree::IsPlainFolder(*node);
    commands.renameFolder = commands.deleteFolder;
    return commands;
}

} // namespace talmo

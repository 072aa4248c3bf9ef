#include "editors/core/desktop/Win32FileCommands.h"
#include "editors/core/desktop/Win32FolderTree.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(Win32FileCommandsTest, WhatEachFolderAndSelectionOpens)
{
    Win32FolderTree tree;
    Win32FolderNode &app = *tree.FindPath("{app}");
    Win32FolderNode &docs = tree.AddChild(app, "Docs", Win32FolderKind::Plain);
    struct Case
    {
        const char *name;
        const Win32FolderNode *node;
        bool rowsSelected, folderRowFocused;
        // addToFolder, addFromList, deleteRows, addFolder, deleteFolder, renameFolder
        bool expected[6];
    };
    const Case cases[] = {
        {"nothing selected", nullptr, false, false, {false, false, false, false, false, false}},
        {"install directories", &tree.installDirectories(), false, false, {false, false, false, true, false, false}},
        {"install directories, a constant's row", &tree.installDirectories(), true, true,
         {false, true, false, true, false, false}},
        {"all files", &tree.allFiles(), true, false, {true, true, true, false, false, false}},
        {"a constant", &app, false, false, {true, true, false, true, false, false}},
        {"a constant, rows", &app, true, false, {true, true, true, true, false, false}},
        {"a folder", &docs, true, true, {true, true, true, true, true, true}},
    };
    for (const Case &c : cases) {
        const Win32FileCommands commands = Win32FileCommands::forSelection(c.node, c.rowsSelected, c.folderRowFocused);
        const bool actual[] = {commands.addToFolder, commands.addFromList, commands.deleteRows,
                               commands.addFolder,   commands.deleteFolder, commands.renameFolder};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(actual[i], c.expected[i]) << c.name << ", command " << i;
    }
}


#include "editors/core/desktop/Win32InstallerHelp.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QString body(const QStringList &page)
{
    return page.mid(5, page.size() - 7).join('\n');
}

} // namespace

TEST(Win32InstallerHelpTest, FrameAndOverviewPerTab)
{
    const QStringList page = Win32InstallerHelp::Page(2, QString());
    EXPECT_EQ(page.mid(0, 5), QStringList({"<html>", "<header>", "</header>",
                                           "<body bgcolor=\"#FFFFCC\" text=\"#000000\">",
                                           "<font size=\"1\" face=\"tahoma\">"}));
    EXPECT_EQ(page.mid(page.size() - 2), QStringList({"</body>", "</html>"}));
    EXPECT_EQ(page.mid(5, 5), QStringList({"Windows Installation Plugin", "<br><br>",
                                           "This plugin allows the user create a installation targeted to Win32 Desktop.",
                                           "<h6>Registry Entries</h6>",
                                           "Please create the registry entries you want to install into windows desktop."}));
    const char *const headings[] = {"<h6>Installation Files Selection</h6>", "<h6>Icons Entries</h6>",
                                     "<h6>Registry Entries</h6>", "<h6>Install Run Section</h6>",
                                     "<h6>Uninstall Run Section</h6>", "<h6>Delete Files on Install</h6>",
                                     "<h6>Delete Files on Uninstall</h6>"};
    for (int tab = 0; tab < 7; ++tab)
        EXPECT_EQ(Win32InstallerHelp::Page(tab, QString())[8], headings[tab]) << tab;
    EXPECT_EQ(Win32InstallerHelp::Page(0, QString())[9],
              "Please choose the files you want to install into the windows dekstop.");
}

TEST(Win32InstallerHelpTest, TopicsByTabAndCaption)
{
    struct Case
    {
        int tab;
        const char *caption;
        const char *heading;  // the first topic's bold heading; empty: no help
        bool constants;
        bool otherConstants;
    };
    const Case cases[] = {
        {0, "Read Only", "<b>File Attributes</b>", false, false},
        {0, "Destination Folder", "<b>Destination Folder</b>", true, false},
        {0, "Destination", "", false, false},
        {0, "Never Uninstall", "<b>Never Uninstall</b><br><br>The uninstaller leaves the file", false, false},
        {1, "Never Uninstall", "<b>Never Uninstall</b><br><br>The uninstaller leaves the shortcut", false, false},
        {1, "File Name", "<b>File Name</b><br><br>The name and place of the shortcut", true, true},
        {3, "File Name", "<b>File Name</b><br><br>The program to run", true, true},
        {1, "Working Folder", "<b>Working Folder</b>", false, false},
        {4, "Working Folder", "<b>Working Folder</b>", true, true},
        {4, "Run Properties", "<b>Run Properties</b><br><br>A program that runs first", false, false},
        {5, "Name", "<b>Name</b><br><br>The file or folder to delete", true, true},
        {2, "Name", "<b>Name</b><br><br>The name of the value", true, true},
        {2, "Root Key", "<b>Root Key</b>", false, false},
        {2, "Data", "<b>Data</b>", true, true},
        {6, "Delete Type", "<b>Delete Type</b>", true, true},
        {2, "Run Hidden", "", false, false},
    };
    for (const Case &c : cases) {
        const QString text = body(Win32InstallerHelp::Page(c.tab, c.caption));
        SCOPED_TRACE(std::string(c.caption) + " on " + std::to_string(c.tab));
        if (*c.heading == 0) {
            EXPECT_EQ(text, "<h6>No help added yet.</h6>");
            continue;
        }
        EXPECT_TRUE(text.startsWith(c.heading)) << text.left(120).toStdString();
        EXPECT_EQ(text.contains("Directory Constants"), c.constants);
        EXPECT_EQ(text.contains("Other Constants"), c.otherConstants);
    }
}

#include "model/PathMacros.h"
#include "model/ProjectContainer.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

void addString(TProjectContainer &project, const QString &name, const QString &value)
{
    TStringPair &pair = project.StringPairs.AddNew();
    pair.Name = name;
    pair.Value = value;
}

} // namespace

TEST(PathMacros, ExpandsInOrder)
{
    TProjectContainer project;
    project.InstallDir = "%CE1%\\%AppName%";
    project.AppName = "Mobile";
    project.Win32AppName = "Desktop";
    project.Provider = "Acme";
    project.Win32Version = "2.1";
    addString(project, "Nested", "%Provider%\\%CE5%\\%InstallDir%\\%Dir%");
    addString(project, "Dir", "Files");
    addString(project, "Greek", QString::fromUtf8("\u0391\u03b8\u03ae\u03bd\u03b1"));
    addString(project, "CE2", "Own");
    addString(project, QString::fromUtf8("\u0394\u03c1\u03cc\u03bc\u03bf\u03c2"), "Road");
    addString(project, "", "never");

    struct Case { const char *text; bool installDir; bool deviceName; QString expanded; };
    const Case cases[] = {
        { "%InstallDir%\\bin", true, true, "Program Files\\Mobile\\bin" },
        { "%InstallDir%\\bin", false, true, "%InstallDir%\\bin" },
        { "%appname%", true, true, "Mobile" },
        { "%APPNAME%", true, false, "Desktop" },
        { "%Provider% %version%", false, false, "Acme 2.1" },
        { "%Dir%\\%dir%", false, false, "Files\\Files" },
        { "%Nested%", true, true, "%Provider%\\My Documents\\%InstallDir%\\Files" },
        { "%CE11%\\%CE1%", false, false, "Windows\\Start Menu\\Programs\\Program Files" },
        { "%CE17%|%CE15%|%CE14%|%CE8%|%CE4%", false, false,
          "Windows\\Start Menu|Windows\\Fonts|Windows\\Start Menu\\Programs\\Games|"
          "Program Files\\Games|Windows\\StartUp" },
        { "%CE2%\\%CE2%", false, false, "Own\\Own" },
        { "%Greek%\\%Unknown%\\50%", false, false,
          QString::fromUtf8("\u0391\u03b8\u03ae\u03bd\u03b1\\%Unknown%\\50%") },
        { "100%%", false, false, "100%%" },
        { "%\u03b4\u03c1\u03cc\u03bc\u03bf\u03c2%", false, false, "Road" },
        { "", true, true, "" },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ExpandPathMacros(project, c.text, c.installDir, c.deviceName), c.expanded)
            << c.text;
    }
}

TEST(PathMacros, NonLatinProjectValuesStayIntact)
{
    TProjectContainer project;
    project.AppName = QString::fromUtf8("\u6e2c\u8a66");
    project.InstallDir = QString::fromUtf8("%CE1%\\\u0416\u0443\u043a");
    EXPECT_EQ(ExpandPathMacros(project, "%InstallDir%\\%AppName%.exe", true, true),
              QString::fromUtf8("Program Files\\\u0416\u0443\u043a\\\u6e2c\u8a66.exe"));
}

// The device resolves a shortcut file's paths as written: from its root.
TEST(PathMacros, DevicePathsStartAtTheDevicesRoot)
{
    TProjectContainer project;
    project.AppName = QStringLiteral("Tool");
    project.InstallDir = QStringLiteral("%CE1%\\%AppName%");
    const std::pair<const char *, const char *> cases[] = {
        {"%InstallDir%\\app.exe", "\\Program Files\\Tool\\app.exe"},
        {"\\%InstallDir%\\app.exe", "\\Program Files\\Tool\\app.exe"},
        {"%CE11%\\x.lnk", "\\Windows\\Start Menu\\Programs\\x.lnk"},
        {"\\Windows\\\\tool.exe", "\\Windows\\tool.exe"},
        {"app.exe", "app.exe"},
    };
    for (const auto &[text, path] : cases)
        EXPECT_EQ(ExpandDevicePath(project, QString::fromUtf8(text)), QString::fromUtf8(path)) << text;
}

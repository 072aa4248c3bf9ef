#include "ProjectFileFixtures.h"

#include "ScriptedRandomSource.h"

#include <QFile>
#include <QSet>

#include <stdexcept>

namespace talmo::testing {

void SeedNames(TProjectContainer &project)
{
    QList<int> numbers;
    for (int n = 100; n < 200; ++n)
        numbers.append(n);
    project.SetRandomSource(std::make_shared<ScriptedRandomSource>(numbers));
}

namespace {

void fillSettings(TProjectContainer &p)
{
    p.InstallTypes = QStringList{ "Full", "Two Words" };
    p.InstallTypesDescriptions = QStringList{ "All of it", "Say \"hi\"" };
    p.InstallTypesIsCustom = 1;
    p.Signature = "$Chicago$";
    p.CESignature = "$Windows CE$";
    p.Provider = "Acme & Sons";
    p.AppName = "Roadrunner";
    p.InstallDir = "%CE1%\\Roadrunner";
    p.PublisherWebSite = "http://acme.example/";
    p.VersionInfoCompany = "Acme Inc.";
    p.SetupIconFile = "icons\\setup.ico";
    p.CreateCABIcons = false;
    p.CreateCABIconsEnabledForHidden = true;
    p.VersionInfoCopyright = "(c) Acme";
    p.VersionInfoDescription = "Roadrunner Setup";
    p.VersionInfoVersion = "1.2.3.4";
    p.DefaultBuildMode = 1;
    p.BuildCabsFirst = false;
    p.BuilderDefaultDirName = "{pf}\\Acme";
    p.BuilderWizardImageBackColor = "$00FF00";
    p.BuilderWizardImageFile = "wiz.bmp";
    p.BuilderWizardImageStretch = "no";
    p.BuilderWizardSmallImageFile = "small.bmp";
    p.IconFile = "app.ico";
    p.CompressCab = true;
    p.ShowWelcomePage = false;
    p.CreateUninstallRegKey = false;
    p.UpdateUninstallLogAppName = false;
    p.DCMRequired = true;
    p.SetupCaption = "Device part";
    p.CABOutputFilename = "road";
    p.ShowComponentsDialog = false;
    p.Win32AppName = "Roadrunner Desktop";
    p.Win32Version = "2.0";
    p.BeaveledLabelText = "Bevel";
    p.URL = "http://acme.example/help";
    p.URLText = "Help";
    p.AboutText = "About <Roadrunner>";
    p.WelcomeMessage = "Welcome";
    p.SplashScreenImage = "splash.bmp";
    p.SplashScreenTime = 3;
    p.SplashScreenWidth = 320;
    p.SplashScreenHeight = 240;
    p.SplashScreenCorners = -5;
    p.AppID = "{ROAD-1}";
    p.StandardForms = { true, false, true, false };
    p.CommonCode = QStringList{ "var X: Integer;", "", "  // end", "" };
    p.CabCreatorModuleFlagFixed = true;
    p.CabCreatorModuleLanguages = QStringList{ "lang0", "lang1" };
    p.CabCreatorModuleInstallTypes = QStringList{ "Full" };
    p.CabCreatorModuleHiddenInstall = true;
    p.Uninstallable = false;
    p.WaitBetweenCabs = true;
    p.AlwaysShowComponentsList = false;
    p.SkinCrafterSupport = true;
    p.SkinName = "Office";
    p.SkinCrafterSkinFileName = "vista.skf";
    p.UserInfoPage = true;
    p.DefaultUserInfoOrg = "Org";
    p.DefaultUserInfoName = "Name";
    p.DefaultUserInfoSerial = "123";
    p.OutputPath = "out";
    p.SetupExecName = "RoadSetup.exe";
    p.Description = "Full fixture";

    p.StringPairs.AddNew(TStringPair{ "Dir", "Files" });
    p.StringPairs.AddNew(TStringPair{ "Greeting", "Hello World" });
}

void fillModule(TInstallModule &m, const QString &caption, int i)
{
    m.Caption = caption + " " + QString::number(i);
    m.FlagFixed = i == 0;
    m.HiddenInstall = i == 1;
    m.Languages = QStringList{ "lang" + QString::number(i) };
    m.InstallTypes = QStringList{ "Full", "Two Words" };
}

void fillWin32Plugin(TWin32Plugin &m, int i)
{
    fillModule(m, "Desktop", i);
    m.Dirs = QStringList{ "{app}\\data" + QString::number(i), "{app}\\logs" };
    const QString id = "w" + QString::number(i);
    for (int j = 0; j < 2; ++j) {
        const QString n = id + QString::number(j);
        TWin32FileEntry &f = m.FileEntries.AddNew();
        f.Source = n + ".src";
        f.Destination = "{app}";
        f.DestinationName = n + ".dst";
        if (j == 0) {
            f.AttributesReadOnly = true;
            f.FlagTouch = true;
            f.FlagOnlyIfDestinationExists = true;
        } else {
            f.FlagCompareTimestap = true;
            f.Flag64bit = true;
            f.FlagDontCopy = true;
        }
        TWin32RegistryEntry &r = m.RegistryEntries.AddNew();
        r.Root = "HKCU";
        r.SubKey = "Software\\" + n;
        r.ValueType = "string";
        r.ValueName = n + "name";
        r.ValueData = n + "data";
        if (j == 0) {
            r.FlagCreateIfDoesntExists = true;
            r.FlagNoError = true;
        } else {
            r.FlagDeleteValueOnInstall = true;
            r.FlagDontCreateKey = true;
        }
        TWIn32IconEntry &c = m.IconEntries.AddNew();
        c.Name = n + "icon";
        c.FileName = "{app}\\" + n + ".exe";
        c.Parameters = "/p";
        c.WorkingDir = "{app}";
        c.IconFileName = n + ".ico";
        c.IconIndex = j == 0 ? 0 : -3;
        c.Comment = "Comment " + n;
        c.HotKey = "ctrl+" + QString::number(j);
        if (j == 0) {
            c.FlagRunMinimized = true;
            c.FlagFolderShortcut = true;
        } else {
            c.FlagCreateOnlyIfFileExists = true;
            c.FlagDontCloseOnExit = true;
        }
        m.InstallDeleteEntries.AddNew(TWin32DeleteEntry{ "files", n + "-install.tmp" });
        m.UninstallDeleteEntries.AddNew(TWin32DeleteEntry{ "dirifempty", n + "-uninstall" });
        for (TWin32RunEntries *list : { &m.InstallRunEntries, &m.UninstallRunEntries }) {
            const QString kind = list == &m.InstallRunEntries ? "install" : "uninstall";
            TWin32RunEntry &e = list->AddNew();
            e.FileName = n + "-" + kind + ".exe";
            e.Parameters = "/q";
            e.WorkingDir = "{tmp}";
            e.RunOnceID = n + kind;
            e.Description = "Run " + n;
            e.StatusMessage = "Running " + n;
            if (j == 0) {
                e.FlagNoWait = true;
                e.FlagRunHidden = true;
            } else {
                e.FlagShellExecute = true;
                e.FlagSkipIfNotSilent = true;
            }
        }
    }
}

void fillModules(TProjectContainer &p)
{
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i);
        fillWin32Plugin(p.Win32Plugins.AddNew(), i);

        TPalmSection &palm = p.PalmSections.AddNew();
        fillModule(palm, "Palm", i);
        palm.Files.AddNew().Source = "palm" + n + "a.prc";
        palm.Files.AddNew().Source = "palm" + n + "b.pdb";

        TDirectCopyModule &copy = p.DirectCopyModules.AddNew();
        fillModule(copy, "Copy", i);
        copy.DefaultInstallLocation = "\\Storage Card\\App" + n;
        copy.UserCanChangeInstallRoot = i == 0;
        copy.UserCanUpdateInstall = i == 1;
        copy.UserMustSelectInstallLocation = i == 0;
        copy.InstallLocationRootIsSDCard = i == 1;
        copy.Files.AddNew(TFile{ "data" + n + ".zip", "\\Data" + n, 0 });
        copy.Files.AddNew(TFile{ "http://acme.example/more" + n + ".zip", "\\More", 0 });

        TCabCollection &cabs = p.CabCollections.AddNew();
        fillModule(cabs, "Cabs", i);
        cabs.Files.AddNew().Source = "http://acme.example/x" + n + ".cab";
        cabs.Files.AddNew().Source = "local" + n + ".cab";

        TPluginContainer &runtime = p.PluginContainers.AddNew();
        fillModule(runtime, i == 0 ? "SQL Mobile" : "NET CF", i);
        runtime.someOldCaption = "Builtin Distribution";
        runtime.Type = i == 0 ? "SQL" : "NETCF2";
        for (const char *platformName : { "WCE400", "WCE500" }) {
            TPluginPlatform &platform = runtime.Platforms.AddNew();
            platform.Caption = platformName;
            platform.Checked = platform.Caption == "WCE500";
            for (const char *processorName : { "armv4", "x86" }) {
                TPluginProcessor &processor = platform.Processors.AddNew();
                processor.Caption = processorName;
                processor.Checked = processor.Caption == "armv4";
                for (const char *cab : { "one", "two" })
                    processor.Files.AddNew().Source = "C:\\redist\\" + platform.Caption + "\\" + processor.Caption + "\\" + cab + n + ".CAB";
            }
        }
    }
}

void fillPages(TProjectContainer &p)
{
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i);
        TCustomForm &page = p.CustomForms.AddNew(true);
        page.Caption = "Page " + n + " Caption";
        page.Description = "Page " + n + " Description";
        page.Name = "Page" + n;
        page.Enabled = i == 0;
        page.Data = QStringList{ "object FormDesignControl: TPanel", "  Left = " + n, "end" };
        page.CreationOrder = 5 + i;

        TFormCodeExecutionUnit &activate = page.ExecUnits.AddNew();
        activate.Object = "Form";
        activate.linkTo = -1;
        activate.Event = "OnActivate";
        activate.Code = QStringList{ "begin", "  Log('" + n + "');", "end;", "", "" };
        activate.eventNameInCode = "Page" + n + "_FormOnActivate";
        activate.defCode = QStringList{ "begin", "// Your Code here ...", "end;", "" };
        activate.Enabled = true;
        activate.ShortHelp = "procedure {}OnActivate(Page: TWizardPage);";

        TFormCodeExecutionUnit &click = page.ExecUnits.AddNew();
        click.Object = "Button1";
        click.linkTo = 0;
        click.Event = "OnClick";
        click.eventNameInCode = "Page" + n + "_Button1OnClick";
        click.Enabled = false;
        click.ShortHelp = "procedure {}OnClick(Sender: TObject);";
    }
}

void fillSetupLists(TProjectContainer &p)
{
    p.Languages.AddNew(TLanguage{ "English", "readme.txt", "eula.txt", "info.txt" });
    p.Languages.AddNew(TLanguage{ "German", "liesmich.txt", "lizenz.txt", "" });
    p.Platforms.AddNew(TPlatform{ "PocketPC", "Pocket PC", "4.0", "5.99" });
    p.Platforms.AddNew(TPlatform{ "Smartphone", "Smart Phone", "5.0", "6.99" });
}

void addFlatFile(TCEDevice &device, const QString &sourceDir, const QString &name, const QString &destinationDir,
                 int attributes)
{
    device.Files.AddNew(TPPCFS_File{ name, sourceDir, destinationDir, name, attributes });
}

void fillDevices(TProjectContainer &p)
{
    TCEDevice &standard = p.CEDevices.AddNew();
    standard.Caption = "CEDevice [ Default ]";
    standard.VersionMin = "4.0";
    standard.VersionMax = "5.99";
    addFlatFile(standard, "C:\\src\\bin\\", "app.exe", "%InstallDir%\\", 0);
    addFlatFile(standard, "C:\\src\\bin\\", "app.dll", "%InstallDir%\\", 2);
    addFlatFile(standard, "C:\\src\\data\\", "a.dat", "%InstallDir%\\Data\\", 1);
    addFlatFile(standard, "C:\\src\\data\\", "b.dat", "%InstallDir%\\Data\\", 0);
    standard.Installation.CESelfRegister = "app.dll";
    standard.Installation.CESetupDLL = "setup.dll";

    TCEDevice &arm = p.CEDevices.AddNew();
    arm.Caption = "CEDevice.ARMV4";
    arm.ProcessorType = "2577";
    arm.UnsupportedPlatforms = "Smartphone";
    arm.VersionMin = "5.0";
    arm.VersionMax = "6.99";
    arm.BuildMax = 2;
    addFlatFile(arm, "..\\arm\\", "app.exe", "%InstallDir%", 0);
    addFlatFile(arm, "..\\arm\\", "app.dll", "%InstallDir%", 0);
    addFlatFile(arm, "..\\res\\", "r1.dat", "%CE2%", 2);
    addFlatFile(arm, "..\\res\\", "r2.dat", "%CE2%", 0);

    for (TCEDevice *device : { &standard, &arm }) {
        device->Installation.defaultInstallShortcuts = QStringList{ "Start", "Docs" };
        device->Installation.defaultInstallRegistry = QStringList{ "Keys", "More" };
    }

    for (int i = 0; i < 2; ++i) {
        TShortcutSection &section = p.ShortcutsSections.AddNew();
        section.Caption = i == 0 ? "Start" : "Docs";
        section.DefaultDestinationDir = i == 0 ? "%CE11%" : "%CE5%";
        for (int j = 0; j < 2; ++j) {
            const QString n = QString::number(i) + QString::number(j);
            section.Entries.AddNew(TShortcutEntry{ "Link" + n, j, "%InstallDir%\\app" + n + ".exe",
                                                   j == 0 ? QString() : "%CE17%", "icons\\" + n + ".ico",
                                                   QString::number(j + 1), QString::number(j), "/arg" + n });
        }

        TRegistrySection &registry = p.RegistrySections.AddNew();
        registry.Caption = i == 0 ? "Keys" : "More";
        for (int j = 0; j < 2; ++j) {
            const QString n = QString::number(i) + QString::number(j);
            registry.Entries.AddNew(TRegistryEntry{ "HKLM", "Software\\Acme\\" + n, "Value" + n,
                                                    j == 0 ? "TYPE_SZ" : "TYPE_DWORD", j == 0 ? "%InstallDir%" : "7",
                                                    j == 1 });
        }
    }
}

void fillComponents(TProjectContainer &p)
{
    TInstallComponent &cabCreator = p.InstallComponents[0];
    cabCreator.FlagCheckableaAlone = true;

    TInstallComponent &group = p.InstallComponents.AddNew(&p);
    group.moduleName = "Group";
    group.InstallTypes = QStringList{ "Full" };
    group.Languages = QStringList{ "lang0", "lang1" };
    group.parentIndex = -1;
    group.FlagFixed = true;
    group.HiddenInstall = true;
    group.FlagExclusive = true;

    TInstallComponent &desktop = p.InstallComponents.AddNew(&p);
    desktop.moduleType = ModuleType::Win32;
    desktop.moduleIndex = 1;
    desktop.parentIndex = 1;
    desktop.FlagRestart = true;

    TInstallComponent &sql = p.InstallComponents.AddNew(&p);
    sql.moduleType = ModuleType::SqlMobile;
    sql.moduleIndex = 0;
    sql.parentIndex = -1;
    sql.FlagDisableNoUninstallWarning = true;

    TInstallComponent &net = p.InstallComponents.AddNew(&p);
    net.moduleType = ModuleType::NetCF2;
    net.moduleIndex = 1;
    net.parentIndex = 1;
    net.FlagDontInheritCheck = true;
}

QString escapedBreaks(QString text)
{
    return text.replace(QLatin1String("\n"), QLatin1String("\\n"));
}

void appendOutline(const XmlElement &element, const QString &parentPath, QString &out)
{
    const QString path = parentPath.isEmpty() ? element.name() : parentPath + '/' + element.name();
    if (element.children().empty()) {
        out += path + '\t' + escapedBreaks(element.text()) + '\n';
        return;
    }
    out += path + '\n';
    for (const auto &child : element.children())
        appendOutline(*child, path, out);
}

} // namespace

void FillFullProject(TProjectContainer &project)
{
    project.Reset();
    fillSettings(project);
    fillModules(project);
    fillPages(project);
    fillSetupLists(project);
    fillDevices(project);
    fillComponents(project);
}

QString Outline(const XmlElement &root)
{
    QString out;
    appendOutline(root, QString(), out);
    return out;
}

QString Outline(const QByteArray &document)
{
    const std::unique_ptr<XmlElement> root = XmlTree::parse(document);
    if (!root)
        throw std::runtime_error("not a well-formed document");
    return Outline(*root);
}

namespace {

// The edits that apply below element at the given depth of their paths.
std::unique_ptr<XmlElement> copyEdited(const XmlElement &element, const QList<QPair<QStringList, std::optional<QString>>> &edits)
{
    auto copy = std::make_unique<XmlElement>(element.name(), element.text());
    QSet<QString> seen;
    for (const auto &child : element.children()) {
        const bool first = !seen.contains(child->name());
        seen.insert(child->name());
        QList<QPair<QStringList, std::optional<QString>>> below;
        bool removed = false;
        std::optional<QString> replaced;
        for (const auto &[path, text] : edits) {
            if (!first || path.front() != child->name())
                continue;
            if (path.size() == 1) {
                removed = !text.has_value();
                replaced = text;
            } else {
                below.append({ path.mid(1), text });
            }
        }
        if (removed)
            continue;
        if (replaced)
            copy->appendChild(child->name(), *replaced);
        else
            copy->appendChild(copyEdited(*child, below));
    }
    for (const auto &[path, text] : edits) {
        if (path.size() == 1 && text && !seen.contains(path.front()))
            copy->appendChild(path.front(), *text);
    }
    return copy;
}

} // namespace

std::unique_ptr<XmlElement> Edited(const XmlElement &root, const QList<ElementEdit> &edits)
{
    QList<QPair<QStringList, std::optional<QString>>> split;
    for (const ElementEdit &edit : edits)
        split.append({ edit.path.split('/'), edit.text });
    return copyEdited(root, split);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

QByteArray ReadFixture(const QString &name)
{
    return ReadFile(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/") + name);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace talmo::testing

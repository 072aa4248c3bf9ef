#include "tests/windows/gallery/GalleryProject.h"

#include "model/ProjectContainer.h"

#include <QRect>

namespace talmo::testing {

namespace {

int AddComponent(TProjectContainer &project, int moduleType, int moduleIndex, int parent = -1)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleType = moduleType;
    component.moduleIndex = moduleIndex;
    component.parentIndex = parent;
    return project.InstallComponents.Count() - 1;
}

void AddDeviceData(TProjectContainer &project)
{
    project.StringPairs.AddNew() = {QStringLiteral("Company"), QStringLiteral("Talmo Examples")};
    project.StringPairs.AddNew() = {QStringLiteral("DataFolder"), QStringLiteral("%InstallDir%\\Data")};
    const char *const values[][5] = {
        {"HKEY_CURRENT_USER", "Software\\Talmo Examples\\Hello", "Version", "TYPE_DWORD", "3"},
        {"HKEY_CURRENT_USER", "Software\\Talmo Examples\\Hello", "Window", "TYPE_BINARY", "0A,FF,10,00"},
        {"HKEY_LOCAL_MACHINE", "Software\\Talmo Examples\\Hello\\Paths", "Data", "TYPE_SZ", "\\My Documents\\Hello"},
    };
    for (const auto &value : values) {
        TRegistryEntry &entry = project.RegistrySections[0].Entries.AddNew();
        entry.registry_root_string = QLatin1String(value[0]);
        entry.subkey = QLatin1String(value[1]);
        entry.value_name = QLatin1String(value[2]);
        entry.flags = QLatin1String(value[3]);
        entry.value = QLatin1String(value[4]);
    }
    project.Languages[0].ReadmeFile = QStringLiteral("docs\\Readme.txt");
    project.Languages[0].EULAFile = QStringLiteral("docs\\License.txt");
    TLanguage &french = project.Languages.AddNew();
    french.LanguageID = QStringLiteral("French");
    french.ReadmeFile = QStringLiteral("docs\\Lisez-moi.txt");
    french.InfoAfterFile = QStringLiteral("docs\\Apres.txt");
}

void AddRuntimeModules(TProjectContainer &project)
{
    for (const auto &[caption, type, moduleType] :
         {std::tuple{"Mobile SQL Runtimes", TPluginContainer::SqlMobileType, ModuleType::SqlMobile},
          std::tuple{".NET CF2 Runtimes", TPluginContainer::NetCF2Type, ModuleType::NetCF2}}) {
        TPluginContainer &runtime = project.PluginContainers.AddNew();
        runtime.Caption = QString::fromLatin1(caption);
        runtime.someOldCaption = QStringLiteral("Builtin Distribution");
        runtime.Type = type;
        TPluginPlatform &platform = runtime.Platforms.AddNew();
        platform.Caption = QStringLiteral("WCE500");
        platform.Checked = true;
        TPluginProcessor &processor = platform.Processors.AddNew();
        processor.Caption = QStringLiteral("armv4i");
        processor.Checked = true;
        AddComponent(project, moduleType, project.PluginContainers.Count() - 1);
    }
}

// A designed page: a label and an edit per row, then a choice and a button.
QStringList DesignedPageText(const QString &question)
{
    QStringList text{QStringLiteral("object TPanel")};
    const auto control = [&text](const QString &header, const QRect &bounds, const QStringList &properties) {
        text << QStringLiteral("  ") + header << QStringLiteral("    Left = %1").arg(bounds.x())
             << QStringLiteral("    Top = %1").arg(bounds.y()) << QStringLiteral("    Width = %1").arg(bounds.width())
             << QStringLiteral("    Height = %1").arg(bounds.height());
        for (const QString &property : properties)
            text << QStringLiteral("    ") + property;
        text << QStringLiteral("  end");
    };
    control(QStringLiteral("object Label1: TLabel"), {8, 12, 120, 13}, {QStringLiteral("Caption = '%1'").arg(question)});
    control(QStringLiteral("object Edit1: TEdit"), {136, 8, 200, 21}, {QStringLiteral("TabOrder = 0")});
    control(QStringLiteral("object Label2: TLabel"), {8, 44, 120, 13}, {QStringLiteral("Caption = 'Company:'")});
    control(QStringLiteral("object Edit2: TEdit"), {136, 40, 200, 21}, {QStringLiteral("TabOrder = 1")});
    control(QStringLiteral("object CheckBox1: TCheckBox"), {8, 80, 240, 17},
            {QStringLiteral("Caption = 'Send me news of new versions'"), QStringLiteral("TabOrder = 2")});
    control(QStringLiteral("object RadioButton1: TRadioButton"), {8, 108, 200, 17},
            {QStringLiteral("Caption = 'For me only'"), QStringLiteral("TabOrder = 3")});
    control(QStringLiteral("object RadioButton2: TRadioButton"), {8, 132, 200, 17},
            {QStringLiteral("Caption = 'For everyone on this computer'"), QStringLiteral("TabOrder = 4")});
    control(QStringLiteral("object Button1: TButton"), {8, 164, 120, 25},
            {QStringLiteral("Caption = 'Check the name'"), QStringLiteral("TabOrder = 5")});
    text << QStringLiteral("end");
    return text;
}

void AddCustomPages(TProjectContainer &project)
{
    for (const auto &[name, caption, question] :
         {std::tuple{"Details", "Your details", "Name:"}, std::tuple{"Sync", "Keeping in step", "Desktop name:"}}) {
        TCustomForm &page = project.CustomForms.AddNew(false);
        page.Name = QString::fromLatin1(name);
        page.Caption = QString::fromLatin1(caption);
        page.Description = QStringLiteral("Tell the setup who will use the program.");
        page.Data = DesignedPageText(QString::fromLatin1(question));
    }
    project.CommonCode = {QStringLiteral("var"), QStringLiteral("  Greeted: Boolean;"), QString(),
                          QStringLiteral("function GreetingText(const Name: String): String;"), QStringLiteral("begin"),
                          QStringLiteral("  Result := 'Hello, ' + Name + '!';"), QStringLiteral("end;")};
}

} // namespace

void AddDesktopModule(TProjectContainer &project)
{
    TWin32Plugin &desktop = project.Win32Plugins.AddNew();
    desktop.Caption = QStringLiteral("Desktop companion");
    for (const auto &[source, destination] : {std::pair{"desktop\\HelloSync.exe", "{app}"},
                                              std::pair{"desktop\\HelloSync.chm", "{app}"},
                                              std::pair{"docs\\Readme.txt", "{app}\\Docs"}}) {
        TWin32FileEntry &file = desktop.FileEntries.AddNew();
        file.Source = QString::fromLatin1(source);
        file.Destination = QString::fromLatin1(destination);
    }
    for (const auto &[name, type, data] : {std::tuple{"Path", "string", "{app}"},
                                           std::tuple{"Sync interval", "dword", "30"}}) {
        TWin32RegistryEntry &value = desktop.RegistryEntries.AddNew();
        value.Root = QStringLiteral("HKCU");
        value.SubKey = QStringLiteral("Software\\Talmo Examples\\HelloSync");
        value.ValueType = QString::fromLatin1(type);
        value.ValueName = QString::fromLatin1(name);
        value.ValueData = QString::fromLatin1(data);
    }
    TWIn32IconEntry &icon = desktop.IconEntries.AddNew();
    icon.Name = QStringLiteral("{group}\\Hello Sync");
    icon.FileName = QStringLiteral("{app}\\HelloSync.exe");
    icon.Comment = QStringLiteral("Keeps Hello in step with the device");
    desktop.IconEntries.AddNew().Name = QStringLiteral("{group}\\Hello help");
    TWin32RunEntry &run = desktop.InstallRunEntries.AddNew();
    run.FileName = QStringLiteral("{app}\\HelloSync.exe");
    run.Parameters = QStringLiteral("/register");
    run.Description = QStringLiteral("Start Hello Sync");
    desktop.UninstallRunEntries.AddNew().FileName = QStringLiteral("{app}\\HelloSync.exe");
    desktop.InstallDeleteEntries.AddNew() = {QStringLiteral("files"), QStringLiteral("{app}\\*.tmp")};
    desktop.UninstallDeleteEntries.AddNew() = {QStringLiteral("filesandordirs"), QStringLiteral("{app}\\Cache")};
    AddComponent(project, ModuleType::Win32, 0);
}

void AddFileModules(TProjectContainer &project)
{
    TCabCollection &cabs = project.CabCollections.AddNew();
    cabs.Caption = QStringLiteral("Extras");
    cabs.Files.AddNew().Source = QStringLiteral("cabs\\HelloExtras.cab");
    cabs.Files.AddNew().Source = QStringLiteral("ftp://downloads.example.org/mobile/HelloTools.cab");
    TPalmSection &palm = project.PalmSections.AddNew();
    palm.Caption = QStringLiteral("Palm companion");
    palm.Files.AddNew().Source = QStringLiteral("palm\\Hello.prc");
    TDirectCopyModule &copy = project.DirectCopyModules.AddNew();
    copy.Caption = QStringLiteral("Maps");
    copy.DefaultInstallLocation = QStringLiteral("\\Storage Card\\Maps");
    copy.InstallLocationRootIsSDCard = true;
    copy.Files.AddNew().Source = QStringLiteral("maps\\Europe.map");
    const int extras = AddComponent(project, ModuleType::Container, -1);
    project.InstallComponents[extras].moduleName = QStringLiteral("Optional parts");
    AddComponent(project, ModuleType::CabCollection, 0, extras);
    AddComponent(project, ModuleType::PalmOS, 0, extras);
    AddComponent(project, ModuleType::DirectCopy, 0);
}

bool WriteGalleryProject(const QString &exampleProject, const QString &fileName)
{
    TProjectContainer project;
    if (!project.LoadFromFile(exampleProject))
        return false;
    AddDeviceData(project);
    AddDesktopModule(project);
    AddFileModules(project);
    AddRuntimeModules(project);
    AddCustomPages(project);
    return project.SaveToFile(fileName);
}

} // namespace talmo::testing

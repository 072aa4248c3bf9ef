// Reading the installation modules, the custom pages and the component tree.
#include "model/ProjectDocumentReader.h"

#include "model/ListIndexError.h"
#include "model/ProjectContainer.h"
#include "model/ProjectFileElements.h"
#include "model/ProjectFileEncoding.h"
#include "model/StandardWizardPages.h"
#include "model/Win32EntryFields.h"

namespace talmo {

using namespace FileElements;

namespace {

// An entry flag that is missing or unreadable reads as false: one lost flag
// must not cost the user every desktop-installer module.
bool entryFlag(const XmlElement &item, const QString &name)
{
    const XmlElement *child = item.child(name);
    if (!child || !child->children().empty())
        return false;
    return DecodeBoolean(child->text()).value_or(false);
}

template <typename Entry, std::size_t N>
void readEntries(const XmlElement &list, OwningList<Entry> &entries,
                 const std::array<EntryField<Entry>, N> &fields)
{
    ForEachChild(list, [&](const XmlElement &item) {
        auto entry = std::make_unique<Entry>();
        for (const EntryField<Entry> &field : fields) {
            const QString name = QLatin1String(field.name);
            if (field.text)
                (*entry).*field.text = RequiredText(item, name);
            else if (field.integer)
                (*entry).*field.integer = RequiredInteger(item, name);
            else
                (*entry).*field.flag = entryFlag(item, name);
        }
        entries.Add(std::move(entry));
    });
}

// The checked states of a runtime module converted from its legacy element:
// position 2 the first platform, 3 its first processor, 4 the second platform
// and from 5 on the second platform's processors, up to lastPosition.
bool legacyChecked(const QString &text, int position, int lastPosition)
{
    return position <= lastPosition && position <= text.size() && text[position - 1] == QLatin1Char('1');
}

int legacyPosition(int platform, int processor)
{
    if (platform == 0)
        return processor < 0 ? 2 : (processor == 0 ? 3 : -1);
    if (platform == 1)
        return processor < 0 ? 4 : 5 + processor;
    return -1;
}

} // namespace

TMSQL_CustomSet ProjectDocumentReader::builtinSet(const QString &type) const
{
    if (type == TPluginContainer::SqlMobileType)
        return m_options ? m_options->MSQLSets.front() : TProgramOptions::BuiltinSqlMobileSet();
    return m_options ? m_options->NETCF2Sets.front() : TProgramOptions::BuiltinNetCF2Set();
}

void ProjectDocumentReader::readLegacyRuntimeModule(const QString &name, const QString &type, int lastPosition)
{
    guarded(
        [&] {
            const QString text = TextOf(top(name));
            if (!text.startsWith(QLatin1Char('1')))
                return;
            const TMSQL_CustomSet set = builtinSet(type);
            auto checked = [&](int platform, int processor) {
                const int position = legacyPosition(platform, processor);
                return position > 0 && legacyChecked(text, position, lastPosition);
            };
            auto container = std::make_unique<TPluginContainer>();
            container->Type = type;
            container->Caption = set.Caption;
            container->someOldCaption = set.Caption;
            for (std::size_t p = 0; p < set.Platforms.size(); ++p) {
                const TMSQL_Platforms &source = set.Platforms[p];
                TPluginPlatform &platform = container->Platforms.AddNew();
                platform.Caption = source.Caption;
                platform.Checked = checked(int(p), -1);
                for (std::size_t q = 0; q < source.Processors.size(); ++q) {
                    TPluginProcessor &processor = platform.Processors.AddNew();
                    processor.Caption = source.Processors[q].Caption;
                    processor.Checked = checked(int(p), int(q));
                    for (const QString &cab : source.Processors[q].CabFiles)
                        processor.Files.AddNew().Source = cab;
                }
            }
            container->InstallTypes = m_project.InstallTypes;
            m_project.PluginContainers.Add(std::move(container));
        },
        [] {});
}

void ProjectDocumentReader::readPluginContainers()
{
    const int legacyCount = m_project.PluginContainers.Count();
    guarded([&] { ForEachAfterCount(top(QStringLiteral("PluginContainers")),
                                     [&](const XmlElement &item) { readPluginContainer(item); }); },
            [&] {
                while (m_project.PluginContainers.Count() > legacyCount)
                    m_project.PluginContainers.Delete(m_project.PluginContainers.Count() - 1);
            });
}

void ProjectDocumentReader::readPluginContainer(const XmlElement &item)
{
    TPluginContainer &c = m_project.PluginContainers.AddNew();
    c.Caption = OptionalText(item, QStringLiteral("Caption"));
    c.Type = OptionalText(item, QStringLiteral("Type"));
    c.someOldCaption = c.Caption;
    guarded(
        [&] {
            const QString oldCaption = OptionalText(item, QStringLiteral("someOldCaption"));
            if (!oldCaption.isEmpty())
                c.someOldCaption = oldCaption;
        },
        [&] { c.someOldCaption = c.Caption; });
    guarded(
        [&] {
            c.FlagFixed = RequiredBoolean(item, QStringLiteral("FlagFixed"));
            c.Languages = RequiredCommaText(item, QStringLiteral("Languages"));
            c.HiddenInstall = OptionalBoolean(item, QStringLiteral("HiddenInstall"));
            c.InstallTypes = RequiredCommaText(item, QStringLiteral("InstallTypes"));
        },
        [&] {
            c.Languages.clear();
            c.InstallTypes = m_project.InstallTypes;
            c.HiddenInstall = false;
            c.FlagFixed = false;
        });
    ForEachByName(item, QStringLiteral("platform_"), [&](const XmlElement &platformItem) {
        TPluginPlatform &platform = c.Platforms.AddNew();
        platform.Caption = OptionalText(platformItem, QStringLiteral("Caption"));
        platform.Checked = OptionalBoolean(platformItem, QStringLiteral("Checked"));
        ForEachByName(platformItem, QStringLiteral("processor_"), [&](const XmlElement &processorItem) {
            TPluginProcessor &processor = platform.Processors.AddNew();
            processor.Caption = OptionalText(processorItem, QStringLiteral("Caption"));
            processor.Checked = OptionalBoolean(processorItem, QStringLiteral("Checked"));
            ForEachByName(processorItem, QStringLiteral("cab_files_"), [&](const XmlElement &cabItem) {
                processor.Files.AddNew().Source = OptionalText(cabItem, QStringLiteral("Caption"));
            });
        });
    });
}

void ProjectDocumentReader::readWin32Plugins()
{
    guarded(
        [&] {
            ForEachChild(top(QStringLiteral("Win32Plugins")), [&](const XmlElement &item) {
                auto m = std::make_unique<TWin32Plugin>();
                m->Caption = RequiredText(item, QStringLiteral("Caption"));
                m->FlagFixed = RequiredBoolean(item, QStringLiteral("FlagFixed"));
                m->Languages = RequiredCommaText(item, QStringLiteral("Languages"));
                guarded([&] { m->Dirs = RequiredCommaText(item, QStringLiteral("Dirs")); }, [&] { m->Dirs.clear(); });
                guarded([&] { m->InstallTypes = RequiredCommaText(item, QStringLiteral("InstallTypes")); },
                        [&] { m->InstallTypes = m_project.InstallTypes; });
                guarded([&] { m->HiddenInstall = RequiredBoolean(item, QStringLiteral("HiddenInstall")); },
                        [&] { m->HiddenInstall = false; });
                readEntries(Required(item, QStringLiteral("FileEntries")), m->FileEntries, Win32FileEntryFields);
                readEntries(Required(item, QStringLiteral("RegistryEntries")), m->RegistryEntries, Win32RegistryEntryFields);
                readEntries(Required(item, QStringLiteral("IconEntries")), m->IconEntries, Win32IconEntryFields);
                const std::pair<const char *, TWin32DeleteEntries *> deleteLists[] = {
                    { "InstallDeleteEntries", &m->InstallDeleteEntries },
                    { "UninstallDeleteEntries", &m->UninstallDeleteEntries },
                };
                for (const auto &list : deleteLists) {
                    guarded([&] { readEntries(Required(item, QLatin1String(list.first)), *list.second, Win32DeleteEntryFields); },
                            [&] { list.second->Clear(); });
                }
                const std::pair<const char *, TWin32RunEntries *> runLists[] = {
                    { "InstallRunEntries", &m->InstallRunEntries },
                    { "UninstallRunEntries", &m->UninstallRunEntries },
                };
                for (const auto &list : runLists) {
                    guarded([&] { readEntries(Required(item, QLatin1String(list.first)), *list.second, Win32RunEntryFields); },
                            [&] { list.second->Clear(); });
                }
                m_project.Win32Plugins.Add(std::move(m));
            });
        },
        [&] { m_project.Win32Plugins.Clear(); });
}

void ProjectDocumentReader::readFileModuleHeader(const XmlElement &item, TInstallModule &module)
{
    module.Caption = RequiredText(item, QStringLiteral("Caption"));
    module.FlagFixed = RequiredBoolean(item, QStringLiteral("FlagFixed"));
    module.Languages = RequiredCommaText(item, QStringLiteral("Languages"));
    guarded([&] { module.HiddenInstall = OptionalBoolean(item, QStringLiteral("HiddenInstall")); },
            [&] { module.HiddenInstall = false; });
    guarded([&] { module.InstallTypes = RequiredCommaText(item, QStringLiteral("InstallTypes")); },
            [&] { module.InstallTypes = m_project.InstallTypes; });
}

void ProjectDocumentReader::readPalmSections()
{
    guarded(
        [&] {
            ForEachChild(top(QStringLiteral("PalmSections")), [&](const XmlElement &item) {
                auto m = std::make_unique<TPalmSection>();
                readFileModuleHeader(item, *m);
                ForEachChild(Required(item, QStringLiteral("FileEntries")), [&](const XmlElement &file) {
                    m->Files.AddNew().Source = RequiredText(file, QStringLiteral("Source"));
                });
                m_project.PalmSections.Add(std::move(m));
            });
        },
        [&] { m_project.PalmSections.Clear(); });
}

void ProjectDocumentReader::readDirectCopySections()
{
    guarded(
        [&] {
            ForEachChild(top(QStringLiteral("DirectCopySections")), [&](const XmlElement &item) {
                auto m = std::make_unique<TDirectCopyModule>();
                readFileModuleHeader(item, *m);
                m->DefaultInstallLocation = RequiredText(item, QStringLiteral("DefaultInstallLocation"));
                m->UserCanChangeInstallRoot = RequiredBoolean(item, QStringLiteral("UserCanChangeInstallRoot"));
                m->UserCanUpdateInstall = RequiredBoolean(item, QStringLiteral("UserCanUpdateInstall"));
                m->UserMustSelectInstallLocation = RequiredBoolean(item, QStringLiteral("UserMustSelectInstallLocation"));
                m->InstallLocationRootIsSDCard = RequiredBoolean(item, QStringLiteral("InstallLocationRootIsSDCard"));
                ForEachChild(Required(item, QStringLiteral("FileEntries")), [&](const XmlElement &fileItem) {
                    TFile &file = m->Files.AddNew();
                    file.Source = RequiredText(fileItem, QStringLiteral("Source"));
                    file.Destination = RequiredText(fileItem, QStringLiteral("Destination"));
                });
                m_project.DirectCopyModules.Add(std::move(m));
            });
        },
        [&] { m_project.DirectCopyModules.Clear(); });
}

void ProjectDocumentReader::readCustomForms()
{
    guarded(
        [&] {
            ForEachChild(top(QStringLiteral("CustomForms")), [&](const XmlElement &item) {
                auto page = std::make_unique<TCustomForm>(true);
                page->Caption = RequiredText(item, QStringLiteral("Caption"));
                page->Description = RequiredText(item, QStringLiteral("Description"));
                page->Name = RequiredText(item, QStringLiteral("Name"));
                page->Enabled = RequiredBoolean(item, QStringLiteral("Enabled"));
                page->Data = RequiredLines(item, QStringLiteral("Data"));
                page->CreationOrder = RequiredInteger(item, QStringLiteral("CreationOrder"));
                // A position past the standard pages must not cost the user every
                // designed page: such a page comes after the first standard page.
                if (page->CreationOrder < 0 || page->CreationOrder >= int(StandardWizardPageNames.size()))
                    page->CreationOrder = 0;
                const XmlElement &units = Required(item, QStringLiteral("ExecUnits"));
                const int unitCount = int(units.children().size());
                for (int i = 0; i < unitCount; ++i)
                    readExecUnit(*page, *units.children()[std::size_t(i)], i, unitCount);
                m_project.CustomForms.Add(std::move(page));
            });
        },
        [&] { m_project.CustomForms.Clear(); });
}

namespace {

QStringList defaultEventBody(const QString &event)
{
    static const QStringList plainEvents = {
        QStringLiteral("OnActivate"), QStringLiteral("OnCancelButtonClick"), QStringLiteral("OnChange"),
        QStringLiteral("OnClick"), QStringLiteral("OnDblClick"), QStringLiteral("OnKeyDown"),
        QStringLiteral("OnKeyPress"), QStringLiteral("OnRename"), QStringLiteral("OnKeyUp"),
    };
    QString middle;
    if (plainEvents.contains(event))
        middle = QStringLiteral("// Your Code here ...");
    else if (event == QLatin1String("OnShouldSkipPage"))
        middle = QStringLiteral("  Result := False;");
    else if (event == QLatin1String("OnBackButtonClick") || event == QLatin1String("OnNextButtonClick"))
        middle = QStringLiteral("  Result := True;");
    else
        return {};
    return { QStringLiteral("begin"), middle, QStringLiteral("end;") };
}

} // namespace

void ProjectDocumentReader::readExecUnit(TCustomForm &page, const XmlElement &item, int index, int unitCount)
{
    auto unit = std::make_unique<TFormCodeExecutionUnit>();
    unit->Object = RequiredText(item, QStringLiteral("Object"));
    unit->Event = RequiredText(item, QStringLiteral("Event"));
    unit->Code = RequiredLines(item, QStringLiteral("Code"));
    unit->ShortHelp = RequiredText(item, QStringLiteral("ShortHelp"));
    // A link names another unit of the same page.
    guarded(
        [&] {
            const int link = RequiredInteger(item, QStringLiteral("linkTo"));
            if (link != -1 && (link < 0 || link >= unitCount || link == index))
                throw ListIndexError(link, unitCount);
            unit->linkTo = link;
        },
        [&] { unit->linkTo = -1; });
    guarded([&] { unit->eventNameInCode = RequiredText(item, QStringLiteral("eventNameInCode")); },
            [] {});
    if (unit->eventNameInCode.isEmpty())
        unit->eventNameInCode = TFormCodeExecutionUnit::MakeEventNameInCode(page.Name, unit->Object, unit->Event);
    bool defCodeRead = false;
    guarded(
        [&] {
            unit->defCode = RequiredLines(item, QStringLiteral("defCode"));
            defCodeRead = true;
            unit->Enabled = RequiredBoolean(item, QStringLiteral("Enabled"));
        },
        [&] {
            // A stored default code stays as it is; only a missing one is made.
            if (!defCodeRead)
                unit->defCode = defaultEventBody(unit->Event);
            unit->Enabled = !unit->Code.isEmpty() && unit->Code != unit->defCode;
        });
    page.ExecUnits.Add(std::move(unit));
}

void ProjectDocumentReader::readInstallComponents()
{
    guarded(
        [&] {
            const XmlElement &list = top(QStringLiteral("InstallComponents"));
            m_project.InstallComponents.Clear();
            ForEachChild(list, [&](const XmlElement &item) {
                auto c = std::make_unique<TInstallComponent>(&m_project);
                c->moduleType = RequiredInteger(item, QStringLiteral("moduleType"));
                if (!ModuleType::IsKnown(c->moduleType))
                    throw ListIndexError(c->moduleType, ModuleType::DirectCopy + 1);
                c->moduleIndex = RequiredInteger(item, QStringLiteral("moduleIndex"));
                // Raises ListIndexError when the module does not exist.
                (void)m_project.GetModule(c->moduleType, c->moduleIndex);
                c->moduleName = RequiredText(item, QStringLiteral("moduleName"));
                c->InstallTypes = RequiredCommaText(item, QStringLiteral("InstallTypes"));
                c->Languages = RequiredCommaText(item, QStringLiteral("Languages"));
                c->parentIndex = RequiredInteger(item, QStringLiteral("parentIndex"));
                c->SetFlagFixed(RequiredBoolean(item, QStringLiteral("FlagFixed")));
                c->FlagCheckableaAlone = RequiredBoolean(item, QStringLiteral("FlagCheckableaAlone"));
                c->FlagDontInheritCheck = RequiredBoolean(item, QStringLiteral("FlagDontInheritCheck"));
                c->FlagExclusive = RequiredBoolean(item, QStringLiteral("FlagExclusive"));
                c->FlagRestart = RequiredBoolean(item, QStringLiteral("FlagRestart"));
                c->FlagDisableNoUninstallWarning = RequiredBoolean(item, QStringLiteral("FlagDisableNoUninstallWarning"));
                // Only a module container keeps its Hidden flag here; files
                // written before it was stored have none.
                if (c->moduleType == ModuleType::Container) {
                    if (const XmlElement *hidden = item.child(QStringLiteral("HiddenInstall")))
                        c->HiddenInstall = DecodeBooleanOrFail(TextOf(*hidden), hidden->name());
                }
                m_project.InstallComponents.Add(std::move(c));
            });
            validateComponentTree();
        },
        [&] { rebuildComponentTree(); });
}

void ProjectDocumentReader::validateComponentTree() const
{
    const TInstallComponents &components = m_project.InstallComponents;
    const int count = components.Count();
    for (int i = 0; i < count; ++i) {
        const int parent = components[i].parentIndex;
        if (parent != -1 && (parent < 0 || parent >= count))
            throw ListIndexError(parent, count);
        // A chain of distinct components has fewer links than the list has items.
        int current = i;
        for (int links = 0; components[current].parentIndex != -1; ++links) {
            if (links >= count)
                throw ListIndexError(QStringLiteral("The parents of installation component %1 form a loop").arg(i));
            current = components[current].parentIndex;
        }
    }
}

void ProjectDocumentReader::rebuildComponentTree()
{
    TProjectContainer &p = m_project;
    p.InstallComponents.Clear();
    auto addRoot = [&](int moduleType, int moduleIndex) {
        TInstallComponent &c = p.InstallComponents.AddNew(&p);
        c.moduleType = moduleType;
        c.moduleIndex = moduleIndex;
        c.parentIndex = -1;
    };
    for (int i = 0; i < p.Win32Plugins.Count(); ++i)
        addRoot(ModuleType::Win32, i);
    for (int i = 0; i < p.CabCollections.Count(); ++i)
        addRoot(ModuleType::CabCollection, i);
    for (int i = 0; i < p.PalmSections.Count(); ++i)
        addRoot(ModuleType::PalmOS, i);
    for (int i = 0; i < p.DirectCopyModules.Count(); ++i)
        addRoot(ModuleType::DirectCopy, i);
    for (int i = 0; i < p.PluginContainers.Count(); ++i) {
        const bool sqlMobile = p.PluginContainers[i].Type == TPluginContainer::SqlMobileType;
        addRoot(sqlMobile ? ModuleType::SqlMobile : ModuleType::NetCF2, i);
    }
    if (!p.Win32Only)
        addRoot(ModuleType::CabCreator, 0);
}

} // namespace talmo

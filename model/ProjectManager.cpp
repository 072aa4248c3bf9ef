#include "model/ProjectManager.h"

#include "helpers/core/PathFolders.h"
#include "model/ProjectFileElements.h"
#include "model/ProjectFileEncoding.h"
#include "model/XmlDocumentFile.h"

namespace talmo {

using namespace FileElements;

namespace {

const QString fileNameElement = QStringLiteral("FileName");

// Files without a readable version are of the first format.
int versionOf(const XmlElement &root)
{
    const XmlElement *version = root.child(QStringLiteral("Version"));
    if (!version || !version->children().empty())
        return 1;
    return DecodeInteger(version->text()).value_or(1);
}

void readEntries(const XmlElement &root, int version, TProjectsEntries &entries)
{
    const XmlElement &list = Required(root, QStringLiteral("ProjectEntries"));
    if (RequiredInteger(list, QStringLiteral("count")) == 0)
        return;
    // Position 0 is taken to be the count; the count is not compared with
    // the entries that follow it.
    const auto &children = list.children();
    for (std::size_t i = 1; i < children.size(); ++i) {
        const XmlElement &item = *children[i];
        auto entry = std::make_unique<TProjectEntry>();
        entry->FileName = OptionalText(item, fileNameElement);
        if (version == 1) {
            entry->BuildExecutable = RequiredBoolean(item, QStringLiteral("BuildExecutable"));
            entry->BuildCabs = RequiredBoolean(item, QStringLiteral("BuildCabs"));
        }
        entries.Add(std::move(entry));
    }
}

} // namespace

TProjectManager::TProjectManager()
{
    Clear();
}

void TProjectManager::Clear()
{
    FileName = GetMyDocumentsFolder() + QStringLiteral("/unknown.talmopm");
    Entries.Clear();
    Modified = false;
}

bool TProjectManager::LoadFromFile(const QString &fileName)
{
    const std::unique_ptr<XmlElement> root = XmlDocumentFile::Read(fileName);
    if (!root)
        return false;
    // Read into a list of its own so that a broken file costs nothing.
    TProjectsEntries entries;
    const int version = versionOf(*root);
    try {
        readEntries(*root, version, entries);
    } catch (const ProjectFileReadError &) {
        return false;
    }
    Entries.Clear();
    while (!entries.IsEmpty())
        Entries.Add(entries.Extract(0));
    Version = version;
    FileName = fileName;
    Modified = false;
    return true;
}

bool TProjectManager::SaveToFile(const QString &fileName)
{
    XmlElement root(QStringLiteral("Talmo_Project_Manager"));
    root.appendChild(QStringLiteral("Version"), QString::number(CurrentVersion));
    XmlElement &list = root.appendChild(QStringLiteral("ProjectEntries"));
    list.appendChild(QStringLiteral("count"), QString::number(Entries.Count()));
    for (int i = 0; i < Entries.Count(); ++i)
        list.appendChild(QStringLiteral("entry-") + QString::number(i)).appendChild(fileNameElement, Entries[i].FileName);
    if (!XmlDocumentFile::Write(root, fileName))
        return false;
    FileName = fileName;
    Modified = false;
    return true;
}

} // namespace talmo

#include "resources/ResourceModule.h"

#include "resources/ResourceDetails.h"
#include "resources/ResourceErrors.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace talmo {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void ThrowFileError(const std::string &what, const fs::path &file, const std::error_code &error)
{
    throw EOSError(what + " \"" + file.string() + "\": " + error.message());
}

} // namespace

TResourceModule::~TResourceModule() = default;

void TResourceModule::DeleteResource(int index)
{
    TResourceDetails &details = ResourceDetails(index);
    m_modified = true;
    details.BeforeDelete();
}

void TResourceModule::InsertResource(int, std::unique_ptr<TResourceDetails>)
{
}

int TResourceModule::AddResource(std::unique_ptr<TResourceDetails>)
{
    return -1;
}

void TResourceModule::SaveToStream(std::ostream &)
{
    throw EResourceError("Module doesn't support streaming");
}

void TResourceModule::LoadFromStream(std::istream &)
{
    throw EResourceError("Module doesn't support streaming");
}

fs::path TResourceModule::BackupFileName(const fs::path &fileName)
{
    const std::string name = fileName.filename().string();
    const size_t dot = name.rfind('.');
    const std::string backup = dot == std::string::npos
        ? name + ".~"
        : name.substr(0, dot) + ".~" + name.substr(dot + 1);
    return fileName.parent_path() / backup;
}

void TResourceModule::SaveToFile(const fs::path &fileName)
{
    const fs::path backup = BackupFileName(fileName);
    std::error_code error;
    const bool hadFile = fs::exists(fs::symlink_status(fileName, error));
    if (hadFile) {
        fs::remove(backup, error);
        // Without a backup the previous file could not be restored after a
        // failed save, so the save stops before anything is truncated.
        fs::rename(fileName, backup, error);
        if (error)
            ThrowFileError("Cannot move the previous file aside to", backup, error);
    }
    try {
        std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
        if (!out)
            throw EOSError("Cannot create file \"" + fileName.string() + "\"");
        SaveToStream(out);
        out.close();
        if (!out)
            throw EOSError("Cannot write file \"" + fileName.string() + "\"");
        ClearModified();
    } catch (...) {
        fs::remove(fileName, error);
        if (hadFile)
            fs::rename(backup, fileName, error);
        throw;
    }
}

void TResourceModule::LoadFromFile(const fs::path &fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EOSError("Cannot open file \"" + fileName.string() + "\"");
    LoadFromStream(in);
}

void TResourceModule::SortResources()
{
}

void TResourceModule::ClearModified()
{
    m_modified = false;
    for (int i = 0; i < ResourceCount(); ++i)
        ResourceDetails(i).SetModified(false);
}

std::string TResourceModule::NextResourceId(const std::string &type) const
{
    long long highest = 0;
    for (int i = 0; i < ResourceCount(); ++i) {
        const TResourceDetails &details = ResourceDetails(i);
        if (details.ResourceType() == type)
            highest = std::max(highest, ResourceIdValue(details.ResourceName()));
    }
    return std::to_string(highest + 1);
}

} // namespace talmo

#include "resources/NTModule.h"

#include "resources/ResourceDetailsClass.h"
#include "resources/ResourceErrors.h"
#include "resources/ResourceUpdateApi.h"

namespace talmo {

namespace {

// Empty resources still have data: a null pointer would mean "none" to the
// factory and "delete" to the update.
const uint8_t *NonNullData(const Bytes &data)
{
    static const uint8_t kNoBytes = 0;
    return data.empty() ? &kNoBytes : data.data();
}

} // namespace

TNTModule::TNTModule(const TResourceUpdateApi *api)
    : m_api(api)
{
}

TNTModule::TNTModule()
    : TNTModule(BoundResourceUpdateApi())
{
}

void TNTModule::LoadFromFile(const std::filesystem::path &fileName)
{
    LoadResources(fileName, std::nullopt);
}

void TNTModule::LoadResources(const std::filesystem::path &fileName, const std::optional<std::string> &type)
{
    if (!m_api)
        throw EOSError("Cannot load \"" + fileName.string() + "\": no resource functions");
    const std::vector<TResourceUpdateApi::Resource> resources = m_api->EnumerateResources(fileName);
    ClearResources();
    // One pass per wanted type; no type asks for everything in one pass.
    std::vector<std::optional<std::string>> passes;
    if (type == "14")
        passes.push_back("3");
    else if (type == "12")
        passes.push_back("1");
    passes.push_back(type);
    for (const std::optional<std::string> &pass : passes) {
        for (const TResourceUpdateApi::Resource &resource : resources) {
            if (!pass || resource.Type == *pass)
                AddResource(MakeResourceDetails(this, resource.Language, NonNullData(resource.Data),
                                                resource.Data.size(), resource.Type, resource.Name));
        }
    }
}

void TNTModule::SaveToFile(const std::filesystem::path &fileName)
{
    if (!m_api)
        throw EOSError("Must use Windows NT, 2000 or XP to update resoures");
    std::unique_ptr<TResourceUpdate> update = m_api->BeginUpdate(fileName, true);
    if (!update)
        throw EOSError("Cannot open \"" + fileName.string() + "\" for a resource update");
    try {
        for (int i = 0; i < ResourceCount(); ++i) {
            const TResourceDetails &details = ResourceDetails(i);
            if (!update->Update(details.ResourceType(), details.ResourceName(), uint16_t(details.LanguageId()),
                                NonNullData(details.Data()), details.Data().size()))
                throw EOSError(update->LastError());
        }
    } catch (...) {
        update->End(true);
        throw;
    }
    if (!update->End(false))
        throw EOSError("Cannot write the resources of \"" + fileName.string() + "\": " + update->LastError());
    ClearModified();
}

} // namespace talmo

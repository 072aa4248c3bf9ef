#include "resources/ResourceUpdateApi.h"

#include "resources/PEResourceModule.h"
#include "resources/ResourceDetails.h"
#include "resources/ResourceErrors.h"

#include <fstream>

namespace talmo {

namespace fs = std::filesystem;

namespace {

class PEResourceUpdate : public TResourceUpdate
{
public:
    PEResourceUpdate(fs::path fileName, std::unique_ptr<TPEResourceModule> module)
        : m_fileName(std::move(fileName))
        , m_module(std::move(module))
    {
    }

    bool Update(const std::string &type, const std::string &name, uint16_t language, const uint8_t *data,
                size_t size) override
    {
        if (!m_module) {
            m_lastError = "The update has ended";
            return false;
        }
        for (int i = 0; i < m_module->ResourceCount(); ++i) {
            const TResourceDetails &existing = m_module->ResourceDetails(i);
            if (existing.ResourceType() == type && existing.ResourceName() == name
                && existing.LanguageId() == language) {
                // Taken out without the delete hooks: the update works on the
                // resources as the file stores them.
                m_module->ExtractResource(i);
                break;
            }
        }
        if (data)
            m_module->AddResource(TResourceDetails::Create<TResourceDetails>(m_module.get(), data, size, type, name,
                                                                              language));
        return true;
    }

    bool End(bool discard) override
    {
        auto module = std::move(m_module);
        if (discard)
            return true;
        if (!module) {
            m_lastError = "The update has ended";
            return false;
        }
        const fs::path temporary = m_fileName.string() + ".~update";
        try {
            module->SortResources();
            const Bytes image = module->SaveToBytes();
            {
                std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
                out.write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
                out.close();
                if (!out)
                    throw EOSError("Cannot write file \"" + temporary.string() + "\"");
            }
            fs::rename(temporary, m_fileName);
            return true;
        } catch (const std::exception &error) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            m_lastError = error.what();
            return false;
        }
    }

    std::string LastError() const override { return m_lastError; }

private:
    fs::path m_fileName;
    std::unique_ptr<TPEResourceModule> m_module;
    std::string m_lastError;
};

} // namespace

TResourceUpdate::~TResourceUpdate() = default;
TResourceUpdateApi::~TResourceUpdateApi() = default;

std::vector<TResourceUpdateApi::Resource> TPEResourceUpdateApi::EnumerateResources(const fs::path &fileName) const
{
    TPEResourceModule module;
    try {
        module.LoadFromFile(fileName);
    } catch (const EResourceError &error) {
        throw EOSError("Cannot load \"" + fileName.string() + "\" as a module: " + error.what());
    }
    std::vector<Resource> resources;
    for (int i = 0; i < module.ResourceCount(); ++i) {
        const TResourceDetails &details = module.ResourceDetails(i);
        resources.push_back({details.ResourceType(), details.ResourceName(), details.LanguageId(), details.Data()});
    }
    return resources;
}

std::unique_ptr<TResourceUpdate> TPEResourceUpdateApi::BeginUpdate(const fs::path &fileName,
                                                                   bool deleteExistingResources) const
{
    auto module = std::make_unique<TPEResourceModule>();
    try {
        module->LoadFromFile(fileName);
    } catch (const EResourceError &) {
        return nullptr;
    }
    if (deleteExistingResources)
        module->ClearResources();
    return std::make_unique<PEResourceUpdate>(fileName, std::move(module));
}

const TResourceUpdateApi *BoundResourceUpdateApi()
{
    static const TPEResourceUpdateApi api;
    return &api;
}

} // namespace talmo

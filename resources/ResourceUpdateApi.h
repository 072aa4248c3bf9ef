#pragma once

#include "resources/ByteView.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace talmo {

// One update of a file's resources, begun by TResourceUpdateApi::BeginUpdate.
// Nothing reaches the file before End(false) succeeds.
class TResourceUpdate
{
public:
    virtual ~TResourceUpdate();
    // Adds or replaces the resource of that type, name and language; a null
    // data pointer deletes it. False when the update cannot take it.
    virtual bool Update(const std::string &type, const std::string &name, uint16_t language,
                        const uint8_t *data, size_t size) = 0;
    // Writes the file (discard = false) or drops every change; false when
    // writing failed, in which case the file is left as it was.
    virtual bool End(bool discard) = 0;
    // Why the last call failed.
    virtual std::string LastError() const = 0;
};

// The functions with which TNTModule reads and writes a file's resources: a
// small interface of our own in place of the platform's resource enumeration
// and update functions.
class TResourceUpdateApi
{
public:
    struct Resource
    {
        std::string Type;
        std::string Name;
        int Language = 0;
        Bytes Data;
    };

    virtual ~TResourceUpdateApi();
    // Every resource of the file in directory order (types, then names, then
    // languages); throws EOSError when the file cannot be read as a module.
    virtual std::vector<Resource> EnumerateResources(const std::filesystem::path &fileName) const = 0;
    // Nullptr when the file cannot be opened for update.
    virtual std::unique_ptr<TResourceUpdate> BeginUpdate(const std::filesystem::path &fileName,
                                                         bool deleteExistingResources) const = 0;
};

// The implementation on our own PE code, which works on any system.
class TPEResourceUpdateApi : public TResourceUpdateApi
{
public:
    std::vector<Resource> EnumerateResources(const std::filesystem::path &fileName) const override;
    std::unique_ptr<TResourceUpdate> BeginUpdate(const std::filesystem::path &fileName,
                                                 bool deleteExistingResources) const override;
};

// The process-wide functions TNTModule uses unless it is given others; bound
// to TPEResourceUpdateApi.
const TResourceUpdateApi *BoundResourceUpdateApi();

} // namespace talmo

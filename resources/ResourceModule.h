#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

namespace talmo {

class TResourceDetails;

// An editable list of the resources of one executable or DLL file.
class TResourceModule
{
public:
    TResourceModule() = default;
    virtual ~TResourceModule();
    TResourceModule(const TResourceModule &) = delete;
    TResourceModule &operator=(const TResourceModule &) = delete;

    virtual int ResourceCount() const = 0;
    // Throws EListIndexError for an index outside the list.
    virtual TResourceDetails &ResourceDetails(int index) const = 0;
    // Marks the module modified and lets the resource clean up after itself
    // (an icon image leaves its group, a group takes its images along); the
    // modules that keep a list then remove and destroy it.
    virtual void DeleteResource(int index);
    virtual void InsertResource(int index, std::unique_ptr<TResourceDetails> details);
    // The index of the kept resource; -1 for a module that keeps nothing.
    virtual int AddResource(std::unique_ptr<TResourceDetails> details);
    virtual int IndexOfResource(const TResourceDetails *details) const = 0;
    virtual void SaveToStream(std::ostream &stream);
    virtual void LoadFromStream(std::istream &stream);
    // Saves beside a backup of the previous file (res.dll keeps res.~dll); a
    // failed save puts the previous file back and passes the error on.
    virtual void SaveToFile(const std::filesystem::path &fileName);
    virtual void LoadFromFile(const std::filesystem::path &fileName);
    virtual void SortResources();

    void ClearModified();
    // One more than the highest numeric name of the given type, as decimal text;
    // "1" when the module has none.
    std::string NextResourceId(const std::string &type) const;

    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    // "res.dll" gives "res.~dll", "res" gives "res.~"; only the file name is looked at.
    static std::filesystem::path BackupFileName(const std::filesystem::path &fileName);

private:
    bool m_modified = false;
};

} // namespace talmo

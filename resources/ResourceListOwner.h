#pragma once

#include "resources/ResourceDetails.h"
#include "resources/ResourceErrors.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace talmo {

// The owning resource list shared by the modules that keep their resources in
// memory; Base is TResourceModule or one of its descendants.
template <class Base>
class TResourceListOwner : public Base
{
public:
    using Base::Base;

    int ResourceCount() const override { return int(m_resources.size()); }

    TResourceDetails &ResourceDetails(int index) const override
    {
        if (index < 0 || index >= ResourceCount())
            throw EListIndexError(index);
        return *m_resources[size_t(index)];
    }

    void DeleteResource(int index) override
    {
        const TResourceDetails *details = &ResourceDetails(index);
        Base::DeleteResource(index);
        // BeforeDelete may have removed other resources (a group its images, an
        // image its emptied group), so the index is looked up again.
        const int current = IndexOfResource(details);
        if (current >= 0)
            m_resources.erase(m_resources.begin() + current);
    }

    void InsertResource(int index, std::unique_ptr<TResourceDetails> details) override
    {
        if (index < 0 || index > ResourceCount())
            throw EListIndexError(index);
        m_resources.insert(m_resources.begin() + index, std::move(details));
    }

    int AddResource(std::unique_ptr<TResourceDetails> details) override
    {
        m_resources.push_back(std::move(details));
        return ResourceCount() - 1;
    }

    int IndexOfResource(const TResourceDetails *details) const override
    {
        for (size_t i = 0; i < m_resources.size(); ++i) {
            if (m_resources[i].get() == details)
                return int(i);
        }
        return -1;
    }

    // Removes a resource from the list without the delete hooks.
    std::unique_ptr<TResourceDetails> ExtractResource(int index)
    {
        ResourceDetails(index);
        auto details = std::move(m_resources[size_t(index)]);
        m_resources.erase(m_resources.begin() + index);
        return details;
    }

    void ClearResources() { m_resources.clear(); }

protected:
    std::vector<std::unique_ptr<TResourceDetails>> &Resources() { return m_resources; }

private:
    std::vector<std::unique_ptr<TResourceDetails>> m_resources;
};

} // namespace talmo

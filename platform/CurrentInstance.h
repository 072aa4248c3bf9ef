#pragma once

#include <utility>

namespace talmo {

// The slot behind a service's static current() and setCurrent(): the instance
// main() or a test installed, or else a stand-in of the service's own, so that
// callers never meet a null. An instance that is destroyed while installed
// leaves the slot empty rather than dangling.
template <typename Service, typename StandIn>
class CurrentInstance
{
public:
    static Service &get()
    {
        if (Service *service = slot())
            return *service;
        static StandIn standIn;
        return standIn;
    }

    // Returns the instance installed before.
    static Service *install(Service *service) { return std::exchange(slot(), service); }

    static void forget(const Service *service)
    {
        if (slot() == service)
            slot() = nullptr;
    }

private:
    static Service *&slot()
    {
        static Service *installed = nullptr;
        return installed;
    }
};

} // namespace talmo

#pragma once

namespace talmo {

// Makes an instance the process-wide current one of its service (a class with
// static current() and setCurrent(), which returns the previous instance) for
// the lifetime of the scope, then restores the previous one. For main() and
// test fixtures.
template <typename Service>
class ScopedCurrent
{
public:
    explicit ScopedCurrent(Service &service)
        : m_previous(Service::setCurrent(&service))
    {
    }
    ~ScopedCurrent() { Service::setCurrent(m_previous); }
    ScopedCurrent(const ScopedCurrent &) = delete;
    ScopedCurrent &operator=(const ScopedCurrent &) = delete;

private:
    Service *m_previous;
};

} // namespace talmo

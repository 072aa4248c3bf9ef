#pragma once

#include "model/ListIndexError.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace talmo {

// The typed lists of the project model. A list owns its items: deleting an
// item or clearing the list frees them. Items never move in memory while they
// are in the list, so editors may hold references to them; an index outside
// the list raises ListIndexError instead of reaching past the end.
template <typename T>
class OwningList
{
public:
    using Item = T;

    OwningList() = default;
    OwningList(const OwningList &) = delete;
    OwningList &operator=(const OwningList &) = delete;

    // Appends the item and returns its index.
    int Add(std::unique_ptr<T> item)
    {
        m_items.push_back(std::move(item));
        return Count() - 1;
    }

    // Appends a new item made from the arguments and returns it.
    template <typename... Args>
    T &AddNew(Args &&...args)
    {
        m_items.push_back(std::make_unique<T>(std::forward<Args>(args)...));
        return *m_items.back();
    }

    void Insert(int index, std::unique_ptr<T> item)
    {
        if (index != Count())
            check(index);
        m_items.insert(m_items.begin() + index, std::move(item));
    }

    T &GetItem(int index)
    {
        check(index);
        return *m_items[std::size_t(index)];
    }
    const T &GetItem(int index) const
    {
        check(index);
        return *m_items[std::size_t(index)];
    }
    T &operator[](int index) { return GetItem(index); }
    const T &operator[](int index) const { return GetItem(index); }

    int Count() const { return int(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    // The index of the item object, or -1 when the list does not hold it.
    int IndexOf(const T *item) const
    {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i].get() == item)
                return int(i);
        }
        return -1;
    }

    // Frees the item and shifts the later ones down.
    void Delete(int index)
    {
        check(index);
        m_items.erase(m_items.begin() + index);
    }

    // Takes the item out of the list without freeing it.
    std::unique_ptr<T> Extract(int index)
    {
        check(index);
        std::unique_ptr<T> item = std::move(m_items[std::size_t(index)]);
        m_items.erase(m_items.begin() + index);
        return item;
    }

    void Exchange(int first, int second)
    {
        check(first);
        check(second);
        std::swap(m_items[std::size_t(first)], m_items[std::size_t(second)]);
    }

    void Clear() { m_items.clear(); }

    template <typename Value>
    class Iterator
    {
    public:
        using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iterator(Base base) : m_base(base) {}
        Value &operator*() const { return **m_base; }
        Value *operator->() const { return m_base->get(); }
        Iterator &operator++()
        {
            ++m_base;
            return *this;
        }
        bool operator==(const Iterator &other) const { return m_base == other.m_base; }

    private:
        Base m_base;
    };
    Iterator<T> begin() { return Iterator<T>(m_items.cbegin()); }
    Iterator<T> end() { return Iterator<T>(m_items.cend()); }
    Iterator<const T> begin() const { return Iterator<const T>(m_items.cbegin()); }
    Iterator<const T> end() const { return Iterator<const T>(m_items.cend()); }

private:
    void check(int index) const
    {
        if (index < 0 || index >= Count())
            throw ListIndexError(index, Count());
    }

    std::vector<std::unique_ptr<T>> m_items;
};

} // namespace talmo

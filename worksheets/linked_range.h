// Iteration over the intrusive lists a window keeps of its controls, menu entries and timers;
// the lists cost no allocation when a window model is built.
#pragma once

#include <cstddef>
#include <iterator>

namespace korveld {

template <class T, T* (T::*Next)() const>
class LinkedRange {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;

        explicit iterator(T* item = nullptr) : m_item(item) {}
        T& operator*() const { return *m_item; }
        T* operator->() const { return m_item; }
        iterator& operator++() {
            m_item = (m_item->*Next)();
            return *this;
        }
        iterator operator++(int) {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator&) const = default;

    private:
        T* m_item;
    };

    explicit LinkedRange(T* first) : m_first(first) {}
    iterator begin() const { return iterator(m_first); }
    iterator end() const { return iterator(); }
    bool empty() const { return m_first == nullptr; }

private:
    T* m_first;
};

} // namespace korveld

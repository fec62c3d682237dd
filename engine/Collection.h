#pragma once

#include "engine/RuntimeError.h"

#include <QString>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace quv {

// An ordered, 1-based list of objects, optionally keyed, as every collection of the
// component: Add, Count, Item (by position or key), Remove, and enumeration in
// insertion order. Items are shared so that a timeline item and the claim it came
// from can point at the same object. A position or key that is not there raises
// run-time error 9 (keys are compared without regard to case).
template <class T>
class Collection {
public:
    using Pointer = std::shared_ptr<T>;

    int Count() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    // Room for n items, so that adding them moves none.
    void Reserve(int n) { items_.reserve(static_cast<std::size_t>(std::max(n, 0))); }

    // Appends an item (and returns it); a key already in use raises run-time error 457.
    T& Add(Pointer item, const QString& key = QString()) {
        if (!item)
            throw RuntimeError::invalidUseOfNull();
        if (!key.isEmpty() && indexOfKey(key) >= 0)
            throw RuntimeError(
                457, QStringLiteral(
                         "This key is already associated with an element of this collection"));
        items_.push_back({std::move(item), key});
        return *items_.back().item;
    }
    T& Add(T value, const QString& key = QString()) {
        return Add(std::make_shared<T>(std::move(value)), key);
    }
    // Inserts before the 1-based position (Count() + 1 appends).
    T& Insert(int position, Pointer item) {
        if (position < 1 || position > Count() + 1)
            throw RuntimeError::subscriptOutOfRange();
        auto it = items_.insert(items_.begin() + (position - 1), Entry{std::move(item), QString()});
        return *it->item;
    }

    T& Item(int position) { return *pointer(position); }
    const T& Item(int position) const { return *items_.at(checkedIndex(position)).item; }
    T& Item(const QString& key) { return *pointer(key); }
    bool Contains(const QString& key) const { return indexOfKey(key) >= 0; }

    Pointer pointer(int position) { return items_.at(checkedIndex(position)).item; }
    Pointer pointer(const QString& key) {
        int i = indexOfKey(key);
        if (i < 0)
            throw RuntimeError::subscriptOutOfRange();
        return items_[static_cast<std::size_t>(i)].item;
    }

    void Remove(int position) { items_.erase(items_.begin() + checkedIndex(position)); }
    void Remove(const QString& key) {
        int i = indexOfKey(key);
        if (i < 0)
            throw RuntimeError::subscriptOutOfRange();
        items_.erase(items_.begin() + i);
    }
    void Clear() { items_.clear(); }

    // Enumeration in insertion order yields the items themselves.
    class iterator {
    public:
        using Inner = typename std::vector<typename Collection::Entry>::const_iterator;
        explicit iterator(Inner it) : it_(it) {}
        T& operator*() const { return *it_->item; }
        T* operator->() const { return it_->item.get(); }
        iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator==(const iterator& o) const { return it_ == o.it_; }

    private:
        Inner it_;
    };
    iterator begin() const { return iterator(items_.cbegin()); }
    iterator end() const { return iterator(items_.cend()); }

private:
    struct Entry {
        Pointer item;
        QString key;
    };

    std::size_t checkedIndex(int position) const {
        if (position < 1 || position > Count())
            throw RuntimeError::subscriptOutOfRange();
        return static_cast<std::size_t>(position - 1);
    }
    int indexOfKey(const QString& key) const {
        if (key.isEmpty())
            return -1;
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        return -1;
    }

    std::vector<Entry> items_;
};

}  // namespace quv

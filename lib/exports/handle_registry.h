// The handle registry: the live objects whose addresses callers hold as handles. Every handle a
// caller passes is looked up here before use, so a stale or foreign pointer is refused.
#pragma once

#include <cstddef>
#include <vector>

namespace halvora {

// One ordered list of owned objects, destroyed through their virtual destructors.
template <typename T>
class HandleList {
public:
    HandleList() = default;
    HandleList(const HandleList&) = delete;
    HandleList& operator=(const HandleList&) = delete;
    ~HandleList() { DestroyAll(); }

    // Appends; storage grows in blocks of ten. Throws std::bad_alloc without registering.
    void Add(T* object) {
        if (items_.size() == items_.capacity()) items_.reserve(items_.size() + kBlock);
        items_.push_back(object);
    }

    bool Contains(const void* handle) const { return Find(handle) != items_.size(); }

    T* Lookup(const void* handle) const {
        size_t at = Find(handle);
        return at == items_.size() ? nullptr : items_[at];
    }

    // Unlinks and destroys the object; false when the handle is not in this list.
    bool Remove(const void* handle) {
        size_t at = Find(handle);
        if (at == items_.size()) return false;
        T* object = items_[at];
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
        ReleaseIfEmpty();
        delete object;
        return true;
    }

    // Most recently added first, as at library unload.
    void DestroyAll() {
        while (!items_.empty()) {
            T* object = items_.back();
            items_.pop_back();
            delete object;
        }
        ReleaseIfEmpty();
    }

    size_t Size() const { return items_.size(); }

private:
    static constexpr size_t kBlock = 10;

    size_t Find(const void* handle) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (static_cast<const void*>(items_[i]) == handle) return i;
        return items_.size();
    }

    void ReleaseIfEmpty() {
        if (items_.empty()) std::vector<T*>().swap(items_);
    }

    std::vector<T*> items_;
};

}  // namespace halvora

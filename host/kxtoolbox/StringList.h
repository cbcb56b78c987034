#pragma once

#include <kxsdkbase/KernelApi.h>

#include <initializer_list>

namespace kestrix::toolbox {

// Owning wrapper of a kernel list of strings; indexes are 1-based.
class StringList {
public:
    StringList();
    StringList(const StringList& other);
    StringList& operator=(const StringList& other);
    explicit StringList(const char* first);
    StringList(std::initializer_list<const char*> strings);
    // Keywords up to the first null one.
    StringList(const char* kw1, const char* kw2, const char* kw3 = nullptr, const char* kw4 = nullptr,
               const char* kw5 = nullptr, const char* kw6 = nullptr, const char* kw7 = nullptr);
    ~StringList();

    void append(const char* string);
    int size() const;
    const char* getStringRef(int index) const;
    void sort(int (*comparator)(const char*, const char*, void*), void* clientData);
    StringList_pa getRef() const;

private:
    StringList_pa m_handle = nullptr;
};

} // namespace kestrix::toolbox

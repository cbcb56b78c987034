#include <kxtoolbox/StringList.h>

#include <utility>

namespace kestrix::toolbox {

StringList::StringList() : m_handle(VexUtilStringListAlloc())
{
}

StringList::StringList(const StringList& other) : StringList()
{
    for (int i = 1; i <= other.size(); ++i)
        append(other.getStringRef(i));
}

StringList& StringList::operator=(const StringList& other)
{
    if (this != &other) {
        StringList copy(other);
        std::swap(m_handle, copy.m_handle);
    }
    return *this;
}

StringList::StringList(const char* first) : StringList()
{
    append(first);
}

StringList::StringList(std::initializer_list<const char*> strings) : StringList()
{
    for (const char* string : strings)
        append(string);
}

StringList::StringList(const char* kw1, const char* kw2, const char* kw3, const char* kw4, const char* kw5,
                       const char* kw6, const char* kw7)
    : StringList()
{
    for (const char* keyword : {kw1, kw2, kw3, kw4, kw5, kw6, kw7}) {
        if (!keyword)
            break;
        append(keyword);
    }
}

StringList::~StringList()
{
    VexUtilStringListDealloc(&m_handle);
}

void StringList::append(const char* string)
{
    VexUtilStringListAppendString(m_handle, string);
}

int StringList::size() const
{
    return VexUtilStringListGetCount(m_handle);
}

const char* StringList::getStringRef(int index) const
{
    return VexUtilStringListGetStringRef(m_handle, index);
}

void StringList::sort(int (*comparator)(const char*, const char*, void*), void* clientData)
{
    VexUtilStringListSort(m_handle, comparator, clientData);
}

StringList_pa StringList::getRef() const
{
    return m_handle;
}

} // namespace kestrix::toolbox

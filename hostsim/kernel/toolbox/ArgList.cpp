#include <kxtoolbox/ArgList.h>

#include <kxtoolbox/Set.h>

namespace kestrix::toolbox {

ArgList::ArgList() : m_handle(VexUtilArgListAlloc())
{
}

ArgList::~ArgList()
{
    VexUtilArgListDealloc(&m_handle);
}

void ArgList::appendInt(const char* name, LgIndex_t value)
{
    VexUtilArgListAppendInt(m_handle, name, value);
}

void ArgList::appendDouble(const char* name, double value)
{
    VexUtilArgListAppendDouble(m_handle, name, value);
}

void ArgList::appendString(const char* name, const char* value)
{
    VexUtilArgListAppendString(m_handle, name, value);
}

void ArgList::appendSet(const char* name, const Set& value)
{
    VexUtilArgListAppendSet(m_handle, name, value.getRef());
}

void ArgList::appendArray(const char* name, const int* values, int count)
{
    VexUtilArgListAppendArray(m_handle, name, values, count);
}

void ArgList::appendIntPtr(const char* name, LgIndex_t* receiver)
{
    VexUtilArgListAppendIntPtr(m_handle, name, receiver);
}

void ArgList::appendDoublePtr(const char* name, double* receiver)
{
    VexUtilArgListAppendDoublePtr(m_handle, name, receiver);
}

void ArgList::appendStringPtr(const char* name, char** receiver)
{
    VexUtilArgListAppendStringPtr(m_handle, name, receiver);
}

void ArgList::appendSetPtr(const char* name, Set_pa* receiver)
{
    VexUtilArgListAppendSetPtr(m_handle, name, receiver);
}

ArgList_pa ArgList::getRef() const
{
    return m_handle;
}

} // namespace kestrix::toolbox

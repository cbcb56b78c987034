#pragma once

#include <kxsdkbase/KernelApi.h>

namespace kestrix::toolbox {

class Set;

// Owning wrapper of a kernel named-argument list.
class ArgList {
public:
    ArgList();
    ArgList(const ArgList&) = delete;
    ArgList& operator=(const ArgList&) = delete;
    ~ArgList();

    void appendInt(const char* name, LgIndex_t value);
    void appendDouble(const char* name, double value);
    void appendString(const char* name, const char* value);
    void appendSet(const char* name, const Set& value);
    void appendArray(const char* name, const int* values, int count);
    void appendIntPtr(const char* name, LgIndex_t* receiver);
    void appendDoublePtr(const char* name, double* receiver);
    void appendStringPtr(const char* name, char** receiver);
    void appendSetPtr(const char* name, Set_pa* receiver);
    ArgList_pa getRef() const;

private:
    ArgList_pa m_handle = nullptr;
};

} // namespace kestrix::toolbox

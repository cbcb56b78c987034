// Kernel sets, string lists and argument lists.

#include "FaultInjection.h"
#include "KernelHandles.h"

#include <kxsdkbase/KernelApi.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

bool setAllocationFails()
{
    using kestrix::hostsim::Host;
    return kestrix::hostsim::kernel::FaultInjection::takeFailure(Host::Fault::SetAllocation);
}

} // namespace

Set_pa VexUtilSetAlloc(bool)
{
    if (setAllocationFails())
        return nullptr;
    return new KxKernelSet;
}

void VexUtilSetDealloc(Set_pa* set)
{
    if (!set)
        return;
    delete *set;
    *set = nullptr;
}

bool VexUtilSetAddMember(Set_pa set, int member, bool)
{
    if (!set || member < 1)
        return false;
    set->add(member);
    return true;
}

bool VexUtilSetRemoveMember(Set_pa set, int member)
{
    return set && set->remove(member);
}

bool VexUtilSetIsMember(Set_pa set, int member)
{
    return set && set->contains(member);
}

int VexUtilSetGetMemberCount(Set_pa set)
{
    return set ? set->count() : 0;
}

int VexUtilSetGetMember(Set_pa set, int position)
{
    return set ? set->memberAt(position) : 0;
}

int VexUtilSetGetPosition(Set_pa set, int member)
{
    return set ? set->positionOf(member) : 0;
}

int VexUtilSetGetNextMember(Set_pa set, int previous)
{
    return set ? set->nextAfter(previous) : 0;
}

Set_pa VexUtilSetCopy(Set_pa set)
{
    if (setAllocationFails())
        return nullptr;
    return set ? new KxKernelSet(*set) : new KxKernelSet;
}

StringList_pa VexUtilStringListAlloc()
{
    return new KxKernelStringList;
}

void VexUtilStringListDealloc(StringList_pa* list)
{
    if (!list)
        return;
    delete *list;
    *list = nullptr;
}

bool VexUtilStringListAppendString(StringList_pa list, const char* string)
{
    if (!list || !string)
        return false;
    list->strings.emplace_back(string);
    return true;
}

int VexUtilStringListGetCount(StringList_pa list)
{
    return list ? static_cast<int>(list->strings.size()) : 0;
}

const char* VexUtilStringListGetStringRef(StringList_pa list, int index)
{
    if (!list || index < 1 || index > static_cast<int>(list->strings.size()))
        return nullptr;
    return list->strings[static_cast<std::size_t>(index - 1)].c_str();
}

void VexUtilStringListSort(StringList_pa list, int (*comparator)(const char*, const char*, void*), void* clientData)
{
    if (!list)
        return;
    std::stable_sort(list->strings.begin(), list->strings.end(), [&](const std::string& a, const std::string& b) {
        if (comparator)
            return comparator(a.c_str(), b.c_str(), clientData) < 0;
        return std::strcmp(a.c_str(), b.c_str()) < 0;
    });
}

ArgList_pa VexUtilArgListAlloc()
{
    return new KxKernelArgList;
}

void VexUtilArgListDealloc(ArgList_pa* argList)
{
    if (!argList)
        return;
    delete *argList;
    *argList = nullptr;
}

namespace {
using Kind = KxKernelArgList::Kind;

KxKernelArgList::Entry* appendEntry(ArgList_pa argList, const char* name, Kind kind)
{
    return argList ? argList->append(name, kind) : nullptr;
}

bool appendReceiver(ArgList_pa argList, const char* name, Kind kind, void* receiver)
{
    if (!receiver)
        return false;
    KxKernelArgList::Entry* entry = appendEntry(argList, name, kind);
    if (!entry)
        return false;
    entry->receiver = receiver;
    return true;
}
} // namespace

bool VexUtilArgListAppendInt(ArgList_pa argList, const char* name, LgIndex_t value)
{
    KxKernelArgList::Entry* entry = appendEntry(argList, name, Kind::Int);
    if (!entry)
        return false;
    entry->intValue = value;
    return true;
}

bool VexUtilArgListAppendDouble(ArgList_pa argList, const char* name, double value)
{
    KxKernelArgList::Entry* entry = appendEntry(argList, name, Kind::Double);
    if (!entry)
        return false;
    entry->doubleValue = value;
    return true;
}

bool VexUtilArgListAppendString(ArgList_pa argList, const char* name, const char* value)
{
    if (!value)
        return false;
    KxKernelArgList::Entry* entry = appendEntry(argList, name, Kind::String);
    if (!entry)
        return false;
    argList->setString(*entry, value);
    return true;
}

bool VexUtilArgListAppendSet(ArgList_pa argList, const char* name, Set_pa value)
{
    KxKernelArgList::Entry* entry = appendEntry(argList, name, Kind::Set);
    if (!entry)
        return false;
    argList->setSet(*entry, value ? *value : KxKernelSet());
    return true;
}

bool VexUtilArgListAppendArray(ArgList_pa argList, const char* name, const int* values, int count)
{
    if (!values || count < 0)
        return false;
    KxKernelArgList::Entry* entry = appendEntry(argList, name, Kind::Array);
    if (!entry)
        return false;
    argList->setArray(*entry, values, count);
    return true;
}

bool VexUtilArgListAppendIntPtr(ArgList_pa argList, const char* name, LgIndex_t* receiver)
{
    return appendReceiver(argList, name, Kind::IntPtr, receiver);
}

bool VexUtilArgListAppendDoublePtr(ArgList_pa argList, const char* name, double* receiver)
{
    return appendReceiver(argList, name, Kind::DoublePtr, receiver);
}

bool VexUtilArgListAppendStringPtr(ArgList_pa argList, const char* name, char** receiver)
{
    return appendReceiver(argList, name, Kind::StringPtr, receiver);
}

bool VexUtilArgListAppendSetPtr(ArgList_pa argList, const char* name, Set_pa* receiver)
{
    return appendReceiver(argList, name, Kind::SetPtr, receiver);
}

// The host's style values, kernel sets and string lists (kxtoolbox/StyleValue.h,
// CheckedStyleValue.h, FrameStyleValue.h, Set.h, StringList.h). What each must do is in
// docs/integration.md, "The host contract". The kernel set and string list are the host's own
// types, defined here.

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/FrameStyleValue.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StringList.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct KxKernelSet {
    std::set<int> members;
};

struct KxKernelStringList {
    std::vector<std::string> strings;
};

namespace kestrix::toolbox {

namespace {

// Every setting belongs to a frame or to the frame's data; without frames none can be read or
// written, and the path of a style value needs no keyword identifiers.
constexpr GetValueReturnCode_e NothingToRead = GetValue_ContextError;
constexpr SetValueReturnCode_e NothingToWrite = SetValue_NoAttachedFrameError;

} // namespace

// Style values ------------------------------------------------------------------------------

StyleValue::StyleValue(const char*, const char*, const char*, const char*, const char*, const char*, const char*) {}

StyleValue::StyleValue(const StringList&) {}

StyleValue::StyleValue(const StyleValue& base, const char*, const char*, const char*) : StyleValue(base) {}

StyleValue::~StyleValue() = default;

GetValueReturnCode_e StyleValue::get(bool&, int, int) const
{
    return NothingToRead;
}

GetValueReturnCode_e StyleValue::get(double&, int, int) const
{
    return NothingToRead;
}

GetValueReturnCode_e StyleValue::get(std::string&, int, int) const
{
    return NothingToRead;
}

GetValueReturnCode_e StyleValue::getInteger(LgIndex_t&, int, int) const
{
    return NothingToRead;
}

SetValueReturnCode_e StyleValue::set(bool, const Set*, int, int, AssignOp_e) const
{
    return NothingToWrite;
}

SetValueReturnCode_e StyleValue::set(double, const Set*, int, int, AssignOp_e) const
{
    return NothingToWrite;
}

SetValueReturnCode_e StyleValue::set(const char*, const Set*, int, int, AssignOp_e) const
{
    return NothingToWrite;
}

SetValueReturnCode_e StyleValue::set(const std::string&, const Set*, int, int, AssignOp_e) const
{
    return NothingToWrite;
}

SetValueReturnCode_e StyleValue::set(const Set&, const Set*, int, int, AssignOp_e) const
{
    return NothingToWrite;
}

SetValueReturnCode_e StyleValue::setInteger(LgIndex_t, const Set*, int, int, AssignOp_e) const
{
    return NothingToWrite;
}

GetValueReturnCode_e StyleValue::styleGetLowLevel(ArgList&) const
{
    return NothingToRead;
}

SetValueReturnCode_e StyleValue::styleSetLowLevel(ArgList&) const
{
    return NothingToWrite;
}

CheckedStyleValue::CheckedStyleValue(const char* kw1, const char* kw2, const char* kw3, const char* kw4,
                                     const char* kw5, const char* kw6, const char* kw7)
    : StyleValue(kw1, kw2, kw3, kw4, kw5, kw6, kw7)
{
}

CheckedStyleValue::CheckedStyleValue(const StringList& keywords) : StyleValue(keywords) {}

CheckedStyleValue::CheckedStyleValue(const StyleValue& base, const char* extra1, const char* extra2, const char* extra3)
    : StyleValue(base, extra1, extra2, extra3)
{
}

GetValueReturnCode_e CheckedStyleValue::styleGetLowLevel(ArgList& argList) const
{
    return StyleValue::styleGetLowLevel(argList);
}

SetValueReturnCode_e CheckedStyleValue::styleSetLowLevel(ArgList& argList) const
{
    return StyleValue::styleSetLowLevel(argList);
}

FrameStyleValue::FrameStyleValue(UniqueID_t frameId, const char* kw1, const char* kw2, const char* kw3, const char* kw4,
                                 const char* kw5, const char* kw6, const char* kw7)
    : CheckedStyleValue(kw1, kw2, kw3, kw4, kw5, kw6, kw7), m_frameId(frameId)
{
}

FrameStyleValue::FrameStyleValue(const FrameStyleValue& base, const char* extra1, const char* extra2,
                                 const char* extra3)
    : CheckedStyleValue(base, extra1, extra2, extra3), m_frameId(base.m_frameId)
{
}

GetValueReturnCode_e FrameStyleValue::styleGetLowLevel(ArgList& argList) const
{
    return CheckedStyleValue::styleGetLowLevel(argList);
}

SetValueReturnCode_e FrameStyleValue::styleSetLowLevel(ArgList& argList) const
{
    return CheckedStyleValue::styleSetLowLevel(argList);
}

// Kernel sets -------------------------------------------------------------------------------

namespace {

// A moved-from set has no handle and reads as empty.
const std::set<int>& membersOf(Set_pa handle)
{
    static const std::set<int> noMembers;
    return handle ? handle->members : noMembers;
}

} // namespace

Set::Set() : m_handle(new KxKernelSet) {}

Set::Set(Set&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}

Set::Set(Set_pa handle) : m_handle(handle ? handle : new KxKernelSet) {}

Set::~Set()
{
    delete m_handle;
}

void Set::add(int member)
{
    if (!m_handle)
        m_handle = new KxKernelSet;
    m_handle->members.insert(member);
}

bool Set::contains(int member) const
{
    return membersOf(m_handle).count(member) > 0;
}

int Set::size() const
{
    return static_cast<int>(membersOf(m_handle).size());
}

bool Set::isEmpty() const
{
    return membersOf(m_handle).empty();
}

int Set::getNextMember(int previous) const
{
    const std::set<int>& members = membersOf(m_handle);
    const auto next = members.upper_bound(previous);
    return next == members.end() ? 0 : *next;
}

Set_pa Set::getRef() const
{
    return m_handle;
}

// Kernel string lists -----------------------------------------------------------------------

StringList::StringList() : m_handle(new KxKernelStringList) {}

StringList::StringList(const StringList& other) : m_handle(new KxKernelStringList(*other.m_handle)) {}

StringList::StringList(const char* first) : StringList()
{
    append(first);
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
    delete m_handle;
}

void StringList::append(const char* string)
{
    m_handle->strings.emplace_back(string ? string : "");
}

int StringList::size() const
{
    return static_cast<int>(m_handle->strings.size());
}

const char* StringList::getStringRef(int index) const
{
    if (index < 1 || index > size())
        return nullptr;
    return m_handle->strings[static_cast<std::size_t>(index - 1)].c_str();
}

void StringList::sort(int (*comparator)(const char*, const char*, void*), void* clientData)
{
    std::sort(m_handle->strings.begin(), m_handle->strings.end(),
              [comparator, clientData](const std::string& left, const std::string& right) {
                  return comparator ? comparator(left.c_str(), right.c_str(), clientData) < 0 : left < right;
              });
}

StringList_pa StringList::getRef() const
{
    return m_handle;
}

} // namespace kestrix::toolbox

#include <kxtoolbox/Set.h>

#include <utility>

namespace kestrix::toolbox {

Set::Set() : m_handle(VexUtilSetAlloc(true))
{
}

Set::Set(const Set& other) : m_handle(VexUtilSetCopy(other.m_handle))
{
}

Set& Set::operator=(const Set& other)
{
    if (this != &other) {
        Set copy(other);
        std::swap(m_handle, copy.m_handle);
    }
    return *this;
}

Set::Set(Set&& other) noexcept : m_handle(other.m_handle)
{
    other.m_handle = nullptr;
}

Set& Set::operator=(Set&& other) noexcept
{
    std::swap(m_handle, other.m_handle);
    return *this;
}

Set::Set(Set_pa handle) : m_handle(handle ? handle : VexUtilSetAlloc(true))
{
}

Set::~Set()
{
    VexUtilSetDealloc(&m_handle);
}

void Set::add(int member)
{
    if (!m_handle)
        m_handle = VexUtilSetAlloc(true);
    VexUtilSetAddMember(m_handle, member, true);
}

void Set::remove(int member)
{
    VexUtilSetRemoveMember(m_handle, member);
}

bool Set::contains(int member) const
{
    return VexUtilSetIsMember(m_handle, member);
}

int Set::size() const
{
    return VexUtilSetGetMemberCount(m_handle);
}

bool Set::isEmpty() const
{
    return size() == 0;
}

int Set::getNextMember(int previous) const
{
    return VexUtilSetGetNextMember(m_handle, previous);
}

Set_pa Set::getRef() const
{
    return m_handle;
}

} // namespace kestrix::toolbox

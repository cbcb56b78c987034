#include "KernelHandles.h"

#include <algorithm>
#include <cstring>

void KxKernelSet::add(int member)
{
    if (m_sorted && !m_members.empty() && member <= m_members.back()) {
        if (member == m_members.back())
            return;
        m_sorted = false;
    }
    m_members.push_back(member);
}

bool KxKernelSet::remove(int member)
{
    normalize();
    const auto it = std::lower_bound(m_members.begin(), m_members.end(), member);
    if (it == m_members.end() || *it != member)
        return false;
    m_members.erase(it);
    return true;
}

bool KxKernelSet::contains(int member) const
{
    normalize();
    return std::binary_search(m_members.begin(), m_members.end(), member);
}

int KxKernelSet::count() const
{
    normalize();
    return static_cast<int>(m_members.size());
}

int KxKernelSet::memberAt(int position) const
{
    normalize();
    if (position < 1 || position > static_cast<int>(m_members.size()))
        return 0;
    return m_members[static_cast<std::size_t>(position - 1)];
}

int KxKernelSet::positionOf(int member) const
{
    normalize();
    const auto it = std::lower_bound(m_members.begin(), m_members.end(), member);
    if (it == m_members.end() || *it != member)
        return 0;
    return static_cast<int>(it - m_members.begin()) + 1;
}

int KxKernelSet::nextAfter(int previous) const
{
    normalize();
    const auto it = std::upper_bound(m_members.begin(), m_members.end(), previous);
    return it == m_members.end() ? 0 : *it;
}

const std::vector<int>& KxKernelSet::sortedMembers() const
{
    normalize();
    return m_members;
}

void KxKernelSet::normalize() const
{
    if (m_sorted)
        return;
    std::sort(m_members.begin(), m_members.end());
    m_members.erase(std::unique(m_members.begin(), m_members.end()), m_members.end());
    m_sorted = true;
}

KxKernelArgList::Entry* KxKernelArgList::append(const char* name, Kind kind)
{
    if (!name || m_count >= Capacity || std::strlen(name) > static_cast<std::size_t>(MaxNameLength))
        return nullptr;
    Entry& entry = m_entries[static_cast<std::size_t>(m_count++)];
    std::strcpy(entry.name, name);
    entry.kind = kind;
    return &entry;
}

const KxKernelArgList::Entry* KxKernelArgList::find(const char* name) const
{
    for (int i = 0; i < m_count; ++i) {
        const Entry& entry = m_entries[static_cast<std::size_t>(i)];
        if (std::strcmp(entry.name, name) == 0)
            return &entry;
    }
    return nullptr;
}

void KxKernelArgList::setString(Entry& entry, const char* value)
{
    entry.payload = static_cast<int>(m_strings.size());
    m_strings.emplace_back(value);
}

void KxKernelArgList::setSet(Entry& entry, const KxKernelSet& value)
{
    entry.payload = static_cast<int>(m_sets.size());
    m_sets.push_back(value);
}

void KxKernelArgList::setArray(Entry& entry, const int* values, int length)
{
    entry.arrayLength = length;
    if (m_inlineArrayUsed + length <= InlineArrayCapacity) {
        entry.arrayOffset = m_inlineArrayUsed;
        std::copy(values, values + length, m_inlineArray.begin() + m_inlineArrayUsed);
        m_inlineArrayUsed += length;
        return;
    }
    entry.payload = static_cast<int>(m_arrays.size());
    m_arrays.emplace_back(values, values + length);
}

const std::string& KxKernelArgList::string(const Entry& entry) const
{
    return m_strings[static_cast<std::size_t>(entry.payload)];
}

const KxKernelSet& KxKernelArgList::set(const Entry& entry) const
{
    return m_sets[static_cast<std::size_t>(entry.payload)];
}

const int* KxKernelArgList::arrayData(const Entry& entry) const
{
    if (entry.arrayOffset >= 0)
        return m_inlineArray.data() + entry.arrayOffset;
    return m_arrays[static_cast<std::size_t>(entry.payload)].data();
}

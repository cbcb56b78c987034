#pragma once

#include <kxsdkbase/KernelApi.h>

#include <array>
#include <string>
#include <vector>

// The objects behind the kernel's opaque handles. They live in the global namespace
// because the host interface forward-declares them there.

// A set of positive integers. Members may be added in any order; the set sorts itself
// lazily on the first query, so building a set of many members stays linear.
struct KxKernelSet {
    void add(int member);
    bool remove(int member);
    bool contains(int member) const;
    int count() const;
    // 1-based position; 0 when out of range.
    int memberAt(int position) const;
    // 1-based position of a member; 0 when not a member.
    int positionOf(int member) const;
    // The smallest member greater than `previous`; 0 when none.
    int nextAfter(int previous) const;
    const std::vector<int>& sortedMembers() const;

private:
    void normalize() const;

    mutable std::vector<int> m_members;
    mutable bool m_sorted = true;
};

struct KxKernelStringList {
    std::vector<std::string> strings;
};

// A named-argument list of a style read or write. Entries live inline so that a style
// read allocates no more than the list itself and its identifier path.
struct KxKernelArgList {
    enum class Kind { Int, Double, String, Set, Array, IntPtr, DoublePtr, StringPtr, SetPtr };

    struct Entry {
        std::string name;
        Kind kind = Kind::Int;
        LgIndex_t intValue = 0;
        double doubleValue = 0.0;
        std::string stringValue;
        KxKernelSet setValue;
        std::vector<int> arrayValue;
        void* receiver = nullptr;
    };

    static constexpr int Capacity = 16;

    // Null when the list is full.
    Entry* append(const char* name, Kind kind);
    const Entry* find(const char* name) const;
    int count() const { return m_count; }

private:
    std::array<Entry, Capacity> m_entries;
    int m_count = 0;
};

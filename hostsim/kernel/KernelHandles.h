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

// A named-argument list of a style read or write. Entries and short arrays live inline, so
// that a style read allocates nothing beyond the list itself.
struct KxKernelArgList {
    enum class Kind { Int, Double, String, Set, Array, IntPtr, DoublePtr, StringPtr, SetPtr };

    static constexpr int Capacity = 16;
    static constexpr int MaxNameLength = 15;

    struct Entry {
        char name[MaxNameLength + 1] = {};
        Kind kind = Kind::Int;
        LgIndex_t intValue = 0;
        double doubleValue = 0.0;
        void* receiver = nullptr;
        // Index of a text, set or out-of-line array kept beside the entries.
        int payload = -1;
        // Start of an array kept inline (-1 when out of line) and its length.
        int arrayOffset = -1;
        int arrayLength = 0;
    };

    // Null when the list is full or the name too long.
    Entry* append(const char* name, Kind kind);
    const Entry* find(const char* name) const;
    int count() const { return m_count; }

    void setString(Entry& entry, const char* value);
    void setSet(Entry& entry, const KxKernelSet& value);
    void setArray(Entry& entry, const int* values, int length);
    const std::string& string(const Entry& entry) const;
    const KxKernelSet& set(const Entry& entry) const;
    const int* arrayData(const Entry& entry) const;

private:
    static constexpr int InlineArrayCapacity = 24;

    std::array<Entry, Capacity> m_entries;
    int m_count = 0;
    std::array<int, InlineArrayCapacity> m_inlineArray{};
    int m_inlineArrayUsed = 0;
    std::vector<std::vector<int>> m_arrays;
    std::vector<std::string> m_strings;
    std::vector<KxKernelSet> m_sets;
};

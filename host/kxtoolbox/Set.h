#pragma once

#include <kxsdkbase/KernelApi.h>

namespace kestrix::toolbox {

// Owning wrapper of a kernel set of positive integers.
class Set {
public:
    Set();
    Set(const Set& other);
    Set& operator=(const Set& other);
    Set(Set&& other) noexcept;
    Set& operator=(Set&& other) noexcept;
    // Takes ownership of a kernel handle (null makes an empty set).
    explicit Set(Set_pa handle);
    virtual ~Set();

    void add(int member);
    void remove(int member);
    bool contains(int member) const;
    int size() const;
    bool isEmpty() const;
    // The member after `previous` in ascending order (start with 0); 0 when none.
    virtual int getNextMember(int previous) const;
    Set_pa getRef() const;

private:
    Set_pa m_handle = nullptr;
};

} // namespace kestrix::toolbox

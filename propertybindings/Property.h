#pragma once

#include "propertybindings/PropertyAbstract.h"

namespace kestrix {

template <typename T>
class Property : public PropertyAbstract<T> {
public:
    explicit Property(const T& initialValue = T()) : m_value(initialValue) {}

    T value() const override { return m_value; }

protected:
    void assign(const T& newValue) override { m_value = newValue; }

private:
    T m_value;
};

} // namespace kestrix

#pragma once

#include <property/ValidationResult.h>

namespace kestrix {

template <typename T>
class ValidatorInterface {
public:
    virtual ~ValidatorInterface() = default;
    virtual ValidationResult validate(const T& value) const = 0;
};

} // namespace kestrix

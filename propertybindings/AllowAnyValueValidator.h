#pragma once

#include "propertybindings/ValidatorInterface.h"

namespace kestrix {

template <typename T>
class AllowAnyValueValidator : public ValidatorInterface<T> {
public:
    ValidationResult validate(const T&) const override { return ValidationResult(); }
};

} // namespace kestrix

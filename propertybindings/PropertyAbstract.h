#pragma once

#include "propertybindings/AllowAnyValueValidator.h"

#include <exception/ExceptionBase.h>
#include <property/PropertyItemInterface.h>

#include <boost/signals2/signal.hpp>

#include <memory>

namespace kestrix {

// An observable value. setValue validates, ignores a value equal to the current one, stores
// it and then tells every observer, in connection order, synchronously.
template <typename T>
class PropertyAbstract : public virtual PropertyItemInterface {
public:
    using ValueChangedSignal = boost::signals2::signal<void(const T&)>;

    PropertyAbstract() : m_validator(std::make_shared<AllowAnyValueValidator<T>>()) {}
    PropertyAbstract(const PropertyAbstract&) = delete;
    PropertyAbstract& operator=(const PropertyAbstract&) = delete;
    ~PropertyAbstract() override = default;

    void setValue(const T& newValue)
    {
        const ValidationResult result = validate(newValue);
        if (!result.isValid())
            throw InvalidPropertyValueException(result.errorString());
        if (equals(newValue))
            return;
        assign(newValue);
        notify(newValue);
    }

    virtual bool equals(const T& other) const { return value() == other; }
    virtual ValidationResult validate(const T& candidate) const { return m_validator->validate(candidate); }
    virtual T value() const = 0;

    ValueChangedSignal& valueChanged() const { return m_valueChanged; }

protected:
    virtual void assign(const T& newValue) = 0;
    virtual void notify(const T& newValue) { m_valueChanged(newValue); }

private:
    mutable ValueChangedSignal m_valueChanged;
    std::shared_ptr<const ValidatorInterface<T>> m_validator;
};

} // namespace kestrix

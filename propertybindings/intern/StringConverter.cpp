#include "propertybindings/intern/StringConverter.h"

#include <exception/ExceptionBase.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <typeinfo>
#include <utility>

#if defined(__GNUG__)
#include <cxxabi.h>
#endif

namespace kestrix::sdk::ui::dialogs::propertybindings::intern {

namespace {

// The readable name of a type: GCC and Clang give mangled names ("i" for int).
std::string typeName(const std::type_info& type)
{
#if defined(__GNUG__)
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    if (status == 0 && demangled)
        return demangled.get();
#endif
    return type.name();
}

} // namespace

template <typename Number>
Number StringConverter::toNumber() const
{
    std::stringstream stream(m_text);
    Number value{};
    stream >> std::noskipws >> value;
    if (stream.fail())
        throw InvalidArgumentException("Cannot convert \"" + m_text + "\" to " + typeName(typeid(Number)));
    return value;
}

StringConverter::StringConverter(std::string text) : m_text(std::move(text)) {}

StringConverter::~StringConverter() = default;

std::string StringConverter::toString() const
{
    return m_text;
}

double StringConverter::toDouble() const
{
    return toNumber<double>();
}

int StringConverter::toInt() const
{
    return toNumber<int>();
}

short StringConverter::toShort() const
{
    return toNumber<short>();
}

} // namespace kestrix::sdk::ui::dialogs::propertybindings::intern

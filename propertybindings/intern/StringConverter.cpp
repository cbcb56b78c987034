#include "propertybindings/intern/StringConverter.h"

#include <exception/ExceptionBase.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <type_traits>
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

template <typename Number>
bool read(const std::string& text, Number& value)
{
    std::stringstream stream(text);
    stream >> std::noskipws >> value;
    return !stream.fail();
}

// The stream takes an exponent mark into a number and then refuses "2e" or "2e+x" for want
// of exponent digits, although "2" is a number followed by other text like any other.
std::string withoutIncompleteExponent(const std::string& text)
{
    const std::size_t mark = text.find_first_of("eE");
    if (mark == std::string::npos)
        return text;
    std::size_t digit = mark + 1;
    if (digit < text.size() && (text[digit] == '+' || text[digit] == '-'))
        ++digit;
    if (digit < text.size() && std::isdigit(static_cast<unsigned char>(text[digit])))
        return text;
    return text.substr(0, mark);
}

} // namespace

template <typename Number>
Number StringConverter::toNumber() const
{
    Number value{};
    bool converted = read(m_text, value);
    if (!converted && std::is_floating_point_v<Number>) {
        const std::string shortened = withoutIncompleteExponent(m_text);
        converted = shortened.size() < m_text.size() && read(shortened, value);
    }
    if (!converted)
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

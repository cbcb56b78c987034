// The string converter reads the text of a line edit as a number. Besides not crashing, it
// must keep its contract: a number at the first character is read, whatever follows it is
// ignored, and anything else is refused with an InvalidArgumentException, never another one.
// The expected values come from std::from_chars, which reads the longest number at the start
// of a text independently of the converter's stream.

#include "FuzzCheck.h"

#include "propertybindings/intern/StringConverter.h"

#include <exception/ExceptionBase.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

using kestrix::InvalidArgumentException;
using kestrix::sdk::ui::dialogs::propertybindings::intern::StringConverter;

namespace {

// The converter's refusal is its only documented exception; anything else escapes and ends
// the run as a finding.
template <typename Conversion> auto converted(Conversion conversion) -> std::optional<decltype(conversion())>
{
    try {
        return conversion();
    } catch (const InvalidArgumentException&) {
        return std::nullopt;
    }
}

// from_chars takes no plus sign; a second sign after it makes no number.
std::string_view withoutPlusSign(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        return text.substr(1);
    return text;
}

struct LeadingNumber {
    enum class Kind { None, InRange, OutOfRange } kind = Kind::None;
    long long value = 0;
};

template <typename Integer> LeadingNumber leadingInteger(std::string_view text)
{
    const std::string_view number = withoutPlusSign(text);
    Integer value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end == number.data())
        return {};
    if (error == std::errc::result_out_of_range)
        return {LeadingNumber::Kind::OutOfRange};
    return {LeadingNumber::Kind::InRange, value};
}

template <typename Integer> void checkInteger(const std::string& text, const std::optional<Integer>& result)
{
    const LeadingNumber expected = leadingInteger<Integer>(text);
    if (expected.kind == LeadingNumber::Kind::InRange) {
        KX_FUZZ_CHECK(result.has_value(), "a text starting with the integer %lld was refused: \"%s\"", expected.value,
                      text.c_str());
        KX_FUZZ_CHECK(*result == expected.value, "read %lld instead of %lld from \"%s\"",
                      static_cast<long long>(*result), expected.value, text.c_str());
    } else {
        KX_FUZZ_CHECK(!result.has_value(), "read %lld from \"%s\", which starts with no integer in range",
                      static_cast<long long>(*result), text.c_str());
    }
}

void checkDouble(const std::string& text, const std::optional<double>& result)
{
    const std::string_view number = withoutPlusSign(text);
    // from_chars also reads "inf" and "nan", which are no numbers to type.
    const std::size_t first = !number.empty() && number[0] == '-' ? 1 : 0;
    const bool startsWithWord = first < number.size() && std::isalpha(static_cast<unsigned char>(number[first]));
    double expected = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), expected);
    const bool startsWithNumber = end != number.data() && !startsWithWord;
    if (result) {
        KX_FUZZ_CHECK(std::isfinite(*result), "read %g from \"%s\"", *result, text.c_str());
        KX_FUZZ_CHECK(startsWithNumber, "read %.17g from \"%s\", which starts with no number", *result, text.c_str());
        // Out of range, from_chars leaves the value as it was; the converter may read the
        // smallest magnitudes as zero or as a subnormal number.
        if (error != std::errc::result_out_of_range)
            KX_FUZZ_CHECK(*result == expected, "read %.17g instead of %.17g from \"%s\"", *result, expected,
                          text.c_str());
    } else if (startsWithNumber && error != std::errc::result_out_of_range) {
        KX_FUZZ_CHECK(false, "a text starting with the number %.17g was refused: \"%s\"", expected, text.c_str());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const StringConverter converter(text);

    KX_FUZZ_CHECK(converter.toString() == text, "toString changed the text");

    const std::optional<int> integer = converted([&] { return converter.toInt(); });
    const std::optional<short> shortInteger = converted([&] { return converter.toShort(); });
    const std::optional<double> number = converted([&] { return converter.toDouble(); });
    checkInteger<int>(text, integer);
    checkInteger<short>(text, shortInteger);
    checkDouble(text, number);

    // A number read once reads the same from its own shortest text.
    if (integer)
        KX_FUZZ_CHECK(StringConverter(std::to_string(*integer)).toInt() == *integer, "%d does not re-read", *integer);
    if (number) {
        char shortest[64];
        const auto written = std::to_chars(shortest, shortest + sizeof shortest, *number);
        const std::string again(shortest, written.ptr);
        KX_FUZZ_CHECK(StringConverter(again).toDouble() == *number, "%s does not re-read as %.17g", again.c_str(),
                      *number);
    }
    return 0;
}

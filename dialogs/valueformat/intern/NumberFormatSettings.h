#pragma once

#include <string>
#include <variant>
#include <vector>

namespace kestrix::sdk::ui::dialogs::valueformat::intern {

// One number-format setting as the dialog reads or writes it: its keyword below "NUMFORMAT"
// and a boolean, an integer (numbers and enumerations) or a text.
struct NumberFormatSetting {
    std::string keyword;
    std::variant<bool, long, std::string> value;

    bool operator==(const NumberFormatSetting& other) const { return keyword == other.keyword && value == other.value; }
};

// Settings in the order they are written.
using NumberFormatSettings = std::vector<NumberFormatSetting>;

// The settings of `current` that are not in `asRead` with the same value: what the user changed.
NumberFormatSettings changedSettings(const NumberFormatSettings& current, const NumberFormatSettings& asRead);

} // namespace kestrix::sdk::ui::dialogs::valueformat::intern

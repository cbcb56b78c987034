#pragma once

#include "dialogs/valueformat/intern/NumberFormatSettings.h"

#include <kxsdkbase/Enumerations.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <optional>
#include <string>

namespace kestrix::toolbox {
class StringList;
}

namespace kestrix::sdk::ui::dialogs::valueformat::intern {

// The number-format settings of one labelled object in the host: the caller's keyword path
// followed by "NUMFORMAT", every access naming the object by its two indices. Reads give
// nothing when the host refuses them.
class NumberFormatStyle {
public:
    NumberFormatStyle(const toolbox::StringList& keywords, int objectIndex, int objectIndex2);

    // NumberFormat_Invalid when the host refuses the read.
    NumberFormat_e format() const;
    std::optional<long> integer(const char* keyword) const;
    std::optional<bool> flag(const char* keyword) const;
    std::optional<std::string> text(const char* keyword) const;

    // All of them as one undo step under the application lock, so that the host redraws once
    // and the user undoes the dialog's OK as a whole.
    void write(const NumberFormatSettings& settings) const;

private:
    toolbox::CheckedStyleValue setting(const std::string& keyword) const;

    toolbox::CheckedStyleValue m_numberFormat;
    int m_objectIndex;
    int m_objectIndex2;
};

} // namespace kestrix::sdk::ui::dialogs::valueformat::intern

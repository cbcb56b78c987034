#pragma once

#include <string>

namespace kestrix::sdk::ui::dialogs::propertybindings::intern {

// Reads the text of a widget as a value. A number must start at the first character (no
// leading white space); whatever follows a valid number is ignored. Text that is not a number
// of the requested type raises InvalidArgumentException.
class StringConverter {
public:
    explicit StringConverter(std::string text);
    virtual ~StringConverter();

    virtual std::string toString() const;
    virtual double toDouble() const;
    virtual int toInt() const;
    virtual short toShort() const;

private:
    template <typename Number>
    Number toNumber() const;

    std::string m_text;
};

} // namespace kestrix::sdk::ui::dialogs::propertybindings::intern

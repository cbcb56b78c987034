#pragma once

#include <optional>

class QLineEdit;
class QString;

namespace kestrix::sdk::ui::dialogs::exporting::intern {

// Reads and shows the numbers of the export and print text fields in the user's locale. A
// field that holds no number in its range gives nothing, so that the host keeps its value.
class NumberField {
public:
    static std::optional<int> integer(const QLineEdit& field, int minimum, int maximum);
    // A number above zero.
    static std::optional<double> positiveNumber(const QLineEdit& field);

    // Integers without group separators, so that a German "1.100" is never shown for 1100.
    static QString integerText(int value);
    static QString numberText(double value);
};

} // namespace kestrix::sdk::ui::dialogs::exporting::intern

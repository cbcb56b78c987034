#pragma once

#include "dialogs/zonestyle/intern/models/Choice.h"

#include <initializer_list>
#include <vector>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The texts of one host enumeration, in the order its lists and menus offer them. Each
// enumeration's texts are written once, here, and translated in the context "StyleEnumeration".
class Enumeration {
public:
    struct Entry {
        int value;
        const char* text;
    };

    explicit Enumeration(std::initializer_list<Entry> entries);

    Choices choices() const;
    // The text of a value; empty for a value the enumeration does not have.
    QString text(int value) const;

    static const Enumeration& meshType();
    static const Enumeration& linePattern();
    static const Enumeration& contourType();
    static const Enumeration& vectorType();
    static const Enumeration& arrowheadStyle();
    // The shapes 0 to 10; the ASCII character (255) is not a value to choose.
    static const Enumeration& geomShape();
    static const Enumeration& fillMode();
    static const Enumeration& edgeType();
    static const Enumeration& borderLocation();
    static const Enumeration& pointsToPlot();
    // "None" first, as its menu offers it.
    static const Enumeration& surfacesToPlot();
    static const Enumeration& lightingEffect();
    // The sortings a user chooses; "By specific variable" is shown by the variable's name.
    static const Enumeration& lineMapSort();
    static const Enumeration& legendShow();
    static const Enumeration& functionDependencyXY();
    static const Enumeration& functionDependencyPolar();
    static const Enumeration& barDirection();
    // The polynomial fit (1) has no text of its own: its order names it.
    static const Enumeration& curveType();
    static const Enumeration& errorBar();
    static const Enumeration& ijkLines();
    // The axis numbers 1 to 5 of a line map's x and y axes.
    static const Enumeration& xAxis();
    static const Enumeration& yAxis();

private:
    std::vector<Entry> m_entries;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models

#include "dialogs/zonestyle/intern/models/Enumeration.h"

#include <QCoreApplication>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("StyleEnumeration", text);
}

} // namespace

Enumeration::Enumeration(std::initializer_list<Entry> entries) : m_entries(entries) {}

Choices Enumeration::choices() const
{
    Choices result;
    result.reserve(static_cast<int>(m_entries.size()));
    for (const Entry& entry : m_entries)
        result.append(Choice{translated(entry.text), entry.value});
    return result;
}

QString Enumeration::text(int value) const
{
    for (const Entry& entry : m_entries) {
        if (entry.value == value)
            return translated(entry.text);
    }
    return {};
}

const Enumeration& Enumeration::meshType()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Wire frame")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Overlay")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Hidden line")}};
    return table;
}

const Enumeration& Enumeration::linePattern()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Solid")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Dashed")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Dash dot")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Dotted")},
                                   {4, QT_TRANSLATE_NOOP("StyleEnumeration", "Long dash")},
                                   {5, QT_TRANSLATE_NOOP("StyleEnumeration", "Dash dot dot")}};
    return table;
}

const Enumeration& Enumeration::contourType()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Lines")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Flood")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Lines and flood")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Average cell flood")},
                                   {4, QT_TRANSLATE_NOOP("StyleEnumeration", "Primary value flood")}};
    return table;
}

const Enumeration& Enumeration::vectorType()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Tail at point")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Head at point")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Anchor at midpoint")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Head only")}};
    return table;
}

const Enumeration& Enumeration::arrowheadStyle()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Plain")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Filled")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Hollow")}};
    return table;
}

const Enumeration& Enumeration::geomShape()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Square")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Delta")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Gradient")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Right triangle")},
                                   {4, QT_TRANSLATE_NOOP("StyleEnumeration", "Left triangle")},
                                   {5, QT_TRANSLATE_NOOP("StyleEnumeration", "Diamond")},
                                   {6, QT_TRANSLATE_NOOP("StyleEnumeration", "Circle")},
                                   {7, QT_TRANSLATE_NOOP("StyleEnumeration", "Cube")},
                                   {8, QT_TRANSLATE_NOOP("StyleEnumeration", "Sphere")},
                                   {9, QT_TRANSLATE_NOOP("StyleEnumeration", "Octahedron")},
                                   {10, QT_TRANSLATE_NOOP("StyleEnumeration", "Point")}};
    return table;
}

const Enumeration& Enumeration::fillMode()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "None")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Specific color")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Line color")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Background color")}};
    return table;
}

const Enumeration& Enumeration::edgeType()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Borders")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Creases")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Borders and creases")}};
    return table;
}

const Enumeration& Enumeration::borderLocation()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "None")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Min only")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Max only")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Both")}};
    return table;
}

const Enumeration& Enumeration::pointsToPlot()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Surface nodes")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "All nodes")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Surface cell centers")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "All cell centers")},
                                   {4, QT_TRANSLATE_NOOP("StyleEnumeration", "All connected nodes")}};
    return table;
}

const Enumeration& Enumeration::surfacesToPlot()
{
    static const Enumeration table{{10, QT_TRANSLATE_NOOP("StyleEnumeration", "None")},
                                   {0, QT_TRANSLATE_NOOP("StyleEnumeration", "Boundary cell faces")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Exposed cell faces")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "I-Planes")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "J-Planes")},
                                   {4, QT_TRANSLATE_NOOP("StyleEnumeration", "K-Planes")},
                                   {5, QT_TRANSLATE_NOOP("StyleEnumeration", "IJ-Planes")},
                                   {6, QT_TRANSLATE_NOOP("StyleEnumeration", "JK-Planes")},
                                   {7, QT_TRANSLATE_NOOP("StyleEnumeration", "IK-Planes")},
                                   {8, QT_TRANSLATE_NOOP("StyleEnumeration", "IJK-Planes")},
                                   {9, QT_TRANSLATE_NOOP("StyleEnumeration", "All surfaces")}};
    return table;
}

const Enumeration& Enumeration::lightingEffect()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Paneled")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Gouraud")}};
    return table;
}

const Enumeration& Enumeration::lineMapSort()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "None")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "By independent variable")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "By dependent variable")}};
    return table;
}

const Enumeration& Enumeration::legendShow()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Always")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Never")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Auto")}};
    return table;
}

const Enumeration& Enumeration::functionDependencyXY()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "y=f(x)")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "x=f(y)")}};
    return table;
}

const Enumeration& Enumeration::functionDependencyPolar()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "R=f(Theta)")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Theta=f(R)")}};
    return table;
}

const Enumeration& Enumeration::barDirection()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Vertical (y=f(x))")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Horizontal (x=f(y))")}};
    return table;
}

const Enumeration& Enumeration::curveType()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Line segment")},
                                   {1, ""},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Exponential fit")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Power fit")},
                                   {4, QT_TRANSLATE_NOOP("StyleEnumeration", "Spline")},
                                   {5, QT_TRANSLATE_NOOP("StyleEnumeration", "Parametric spline")},
                                   {6, QT_TRANSLATE_NOOP("StyleEnumeration", "Extended")}};
    return table;
}

const Enumeration& Enumeration::errorBar()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "Up")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "Down")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "Left")},
                                   {3, QT_TRANSLATE_NOOP("StyleEnumeration", "Right")},
                                   {4, QT_TRANSLATE_NOOP("StyleEnumeration", "Horizontal")},
                                   {5, QT_TRANSLATE_NOOP("StyleEnumeration", "Vertical")},
                                   {6, QT_TRANSLATE_NOOP("StyleEnumeration", "Cross")}};
    return table;
}

const Enumeration& Enumeration::ijkLines()
{
    static const Enumeration table{{0, QT_TRANSLATE_NOOP("StyleEnumeration", "I-Varying")},
                                   {1, QT_TRANSLATE_NOOP("StyleEnumeration", "J-Varying")},
                                   {2, QT_TRANSLATE_NOOP("StyleEnumeration", "K-Varying")}};
    return table;
}

const Enumeration& Enumeration::xAxis()
{
    static const Enumeration table{{1, "X1"}, {2, "X2"}, {3, "X3"}, {4, "X4"}, {5, "X5"}};
    return table;
}

const Enumeration& Enumeration::yAxis()
{
    static const Enumeration table{{1, "Y1"}, {2, "Y2"}, {3, "Y3"}, {4, "Y4"}, {5, "Y5"}};
    return table;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models

#include "support/StyleWrites.h"

#include <kxtoolbox/CheckedStyleValue.h>

#include <QtTest>

namespace kestrix::testing {

namespace {

toolbox::CheckedStyleValue styleOf(std::initializer_list<const char*> path)
{
    std::vector<const char*> keywords(path);
    keywords.resize(5, nullptr);
    return toolbox::CheckedStyleValue(keywords[0], keywords[1], keywords[2], keywords[3], keywords[4]);
}

// Writes through the integer path when the value is whole: enumerations, colours and
// booleans are integers to the host.
bool write(const toolbox::CheckedStyleValue& style, double value, const toolbox::Set* maps, int offset1)
{
    const long whole = static_cast<long>(value);
    if (static_cast<double>(whole) == value)
        return toolbox::StyleValue::returnCodeOk(style.setInteger(whole, maps, offset1));
    return toolbox::StyleValue::returnCodeOk(style.set(value, maps, offset1));
}

} // namespace

toolbox::Set setOf(std::initializer_list<int> numbers)
{
    toolbox::Set set;
    for (int number : numbers)
        set.add(number);
    return set;
}

void writeMapStyle(std::initializer_list<const char*> path, std::initializer_list<int> maps, double value)
{
    const toolbox::Set set = setOf(maps);
    QVERIFY2(write(styleOf(path), value, &set, -1), qPrintable(QStringLiteral("refused: %1").arg(*path.begin())));
}

void writeStyle(std::initializer_list<const char*> path, double value, int offset1)
{
    QVERIFY2(write(styleOf(path), value, nullptr, offset1), qPrintable(QStringLiteral("refused: %1").arg(*path.begin())));
}

double readMapStyle(std::initializer_list<const char*> path, int map)
{
    double value = -1000;
    if (!toolbox::StyleValue::returnCodeOk(styleOf(path).get(value, map)))
        return -1000;
    return value;
}

} // namespace kestrix::testing

#pragma once

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <initializer_list>
#include <vector>

namespace kestrix::testing {

// A set of map (or zone) numbers.
toolbox::Set setOf(std::initializer_list<int> numbers);

// Writes one per-map setting of the current frame for the given maps, as the host would;
// a refused write fails the test. The path is up to five keywords.
void writeMapStyle(std::initializer_list<const char*> path, std::initializer_list<int> maps, double value);
// The same for a setting of the frame or the application (no maps).
void writeStyle(std::initializer_list<const char*> path, double value, int offset1 = -1);

// Writes an application setting of any type the store takes; true when the store accepted
// it or already held the value.
template <typename T> bool setApplicationStyle(const char* group, const char* name, T value)
{
    return toolbox::StyleValue::returnCodeOk(toolbox::CheckedStyleValue(group, name).set(value));
}

// A per-map setting of the current frame as a number, or -1000 when the host refuses it.
double readMapStyle(std::initializer_list<const char*> path, int map);

} // namespace kestrix::testing

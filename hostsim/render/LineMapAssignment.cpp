#include "LineMapAssignment.h"

#include "FrameSnapshot.h"

#include <kxsdkbase/Enumerations.h>

namespace kestrix::hostsim::render {

LineMapAssignment LineMapAssignment::read(const FrameSnapshot& snapshot, int map)
{
    const auto value = [&](const char* keyword, long fallback) {
        return static_cast<int>(snapshot.integer({"LINEMAP", "ASSIGN", keyword}, map).value_or(fallback));
    };
    LineMapAssignment assignment;
    assignment.map = map;
    assignment.zone = value("ZONE", 1);
    assignment.xVariable = value("XAXISVAR", 1);
    assignment.yVariable = value("YAXISVAR", 2);
    assignment.xAxis = value("XAXIS", 1);
    assignment.yAxis = value("YAXIS", 1);
    assignment.sort = value("SORT", LineMapSort_None);
    if (assignment.sort == LineMapSort_SpecificVar)
        assignment.sortVariable = value("SORTVAR", 0);
    assignment.yIndependent =
        value("FUNCTIONDEPENDENCY", FunctionDependency_XIndependent) == FunctionDependency_YIndependent;
    return assignment;
}

} // namespace kestrix::hostsim::render

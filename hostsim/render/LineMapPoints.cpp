#include "LineMapPoints.h"

#include "FrameSnapshot.h"
#include "LineMapAssignment.h"

#include "hostsim/kernel/Scene.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>
#include <array>

namespace kestrix::hostsim::render {

namespace {

long resolve(long bound, long count)
{
    return bound > 0 ? bound : count + bound;
}

// The values a map sorts its points by; null when it keeps the zone's order.
const std::vector<double>* sortKeys(const FrameSnapshot& snapshot, const LineMapAssignment& assignment)
{
    const int independent = assignment.yIndependent ? assignment.yVariable : assignment.xVariable;
    const int dependent = assignment.yIndependent ? assignment.xVariable : assignment.yVariable;
    switch (assignment.sort) {
    case LineMapSort_IndependentVar:
        return snapshot.values(assignment.zone, independent);
    case LineMapSort_DependentVar:
        return snapshot.values(assignment.zone, dependent);
    case LineMapSort_SpecificVar:
        return snapshot.values(assignment.zone, assignment.sortVariable);
    default:
        return nullptr;
    }
}

} // namespace

LineMapPoints::Span LineMapPoints::span(long minimum, long maximum, long skip, long count)
{
    Span result;
    if (count < 1)
        return result;
    result.first = std::clamp(resolve(minimum, count), 1L, count) - 1;
    result.last = std::clamp(resolve(maximum, count), 1L, count) - 1;
    result.step = std::max(1L, skip);
    return result;
}

std::vector<std::vector<LinePoint>> LineMapPoints::lines(const FrameSnapshot& snapshot,
                                                         const LineMapAssignment& assignment)
{
    std::vector<std::vector<LinePoint>> result;
    const kernel::Zone* zone = snapshot.zone(assignment.zone);
    const std::vector<double>* xs = snapshot.values(assignment.zone, assignment.xVariable);
    const std::vector<double>* ys = snapshot.values(assignment.zone, assignment.yVariable);
    if (!zone || !xs || !ys)
        return result;
    const long nodes =
        std::min<long>({zone->nodeCount(), static_cast<long>(xs->size()), static_cast<long>(ys->size())});
    // Finite-element zones have their nodes in one row.
    const std::array<long, 3> dimensions =
        zone->ordered ? std::array<long, 3>{zone->iMax, zone->jMax, zone->kMax} : std::array<long, 3>{nodes, 1, 1};
    const std::array<long, 3> strides = {1, dimensions[0], dimensions[0] * dimensions[1]};
    // A dimension of one index gives that index whatever its range says, so its range is not read.
    const auto readSpan = [&](const char* range, long count) {
        if (count <= 1)
            return Span{0, count - 1, 1};
        const auto bound = [&](const char* keyword, long fallback) {
            return snapshot.integer({"LINEMAP", "INDICES", range, keyword}, assignment.map).value_or(fallback);
        };
        return span(bound("MIN", 1), bound("MAX", 0), bound("SKIP", 1), count);
    };
    const std::array<Span, 3> spans = {readSpan("IRANGE", dimensions[0]), readSpan("JRANGE", dimensions[1]),
                                       readSpan("KRANGE", dimensions[2])};
    const int along =
        zone->ordered ? static_cast<int>(std::clamp(
            snapshot.integer({"LINEMAP", "INDICES", "IJKLINES"}, assignment.map).value_or(IJKLines_I), 0L, 2L))
                      : IJKLines_I;
    const int across1 = along == 0 ? 1 : 0;
    const int across2 = along == 2 ? 1 : 2;
    const Span& alongSpan = spans[static_cast<std::size_t>(along)];
    const Span& span1 = spans[static_cast<std::size_t>(across1)];
    const Span& span2 = spans[static_cast<std::size_t>(across2)];
    const std::vector<double>* keys = sortKeys(snapshot, assignment);

    for (long b = span2.first; b <= span2.last; b += span2.step) {
        for (long a = span1.first; a <= span1.last; a += span1.step) {
            std::vector<LinePoint> line;
            if (alongSpan.last >= alongSpan.first)
                line.reserve(static_cast<std::size_t>((alongSpan.last - alongSpan.first) / alongSpan.step + 1));
            const long base =
                a * strides[static_cast<std::size_t>(across1)] + b * strides[static_cast<std::size_t>(across2)];
            for (long index = alongSpan.first; index <= alongSpan.last; index += alongSpan.step) {
                const long node = base + index * strides[static_cast<std::size_t>(along)];
                if (node >= nodes)
                    break;
                line.push_back({(*xs)[static_cast<std::size_t>(node)], (*ys)[static_cast<std::size_t>(node)], node});
            }
            if (keys && keys->size() >= static_cast<std::size_t>(nodes)) {
                std::stable_sort(line.begin(), line.end(), [keys](const LinePoint& left, const LinePoint& right) {
                    return (*keys)[static_cast<std::size_t>(left.node)] < (*keys)[static_cast<std::size_t>(right.node)];
                });
            }
            if (!line.empty())
                result.push_back(std::move(line));
        }
    }
    return result;
}

} // namespace kestrix::hostsim::render

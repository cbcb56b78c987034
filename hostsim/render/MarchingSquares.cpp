#include "MarchingSquares.h"

namespace kestrix::hostsim::render {

namespace {

QPointF cut(const QPointF& a, const QPointF& b, double va, double vb, double level)
{
    const double t = (level - va) / (vb - va);
    return a + (b - a) * t;
}

} // namespace

void MarchingSquares::quad(const QPointF (&corners)[4], const double (&values)[4], double level,
                           std::vector<QLineF>& out)
{
    bool above[4];
    for (int c = 0; c < 4; ++c)
        above[c] = values[c] >= level;
    QPointF cuts[4];
    bool isCut[4];
    int count = 0;
    for (int e = 0; e < 4; ++e) {
        const int f = (e + 1) % 4;
        isCut[e] = above[e] != above[f];
        if (isCut[e]) {
            cuts[e] = cut(corners[e], corners[f], values[e], values[f], level);
            ++count;
        }
    }
    if (count == 2) {
        QPointF ends[2];
        int found = 0;
        for (int e = 0; e < 4; ++e) {
            if (isCut[e])
                ends[found++] = cuts[e];
        }
        out.emplace_back(ends[0], ends[1]);
    } else if (count == 4) {
        // Edge e runs from corner e to corner e + 1. The corners on the other side of the
        // level than the cell's middle are cut off on their own.
        const bool middleAbove = (values[0] + values[1] + values[2] + values[3]) / 4.0 >= level;
        if (above[0] != middleAbove) {
            out.emplace_back(cuts[3], cuts[0]);
            out.emplace_back(cuts[1], cuts[2]);
        } else {
            out.emplace_back(cuts[0], cuts[1]);
            out.emplace_back(cuts[2], cuts[3]);
        }
    }
}

void MarchingSquares::triangle(const QPointF (&corners)[3], const double (&values)[3], double level,
                               std::vector<QLineF>& out)
{
    QPointF ends[2];
    int found = 0;
    for (int e = 0; e < 3; ++e) {
        const int f = (e + 1) % 3;
        if ((values[e] >= level) != (values[f] >= level))
            ends[found++] = cut(corners[e], corners[f], values[e], values[f], level);
    }
    if (found == 2)
        out.emplace_back(ends[0], ends[1]);
}

} // namespace kestrix::hostsim::render

#include "LineCurve.h"

#include "CurveFit.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

// Samples of the parametric spline through the points, with the chord length as parameter.
// Lengths are measured on both coordinates scaled to their extent, so that neither variable's
// units decide the shape.
std::vector<QPointF> parametricSpline(const std::vector<QPointF>& data, int count)
{
    std::vector<QPointF> points;
    for (const QPointF& point : data) {
        if (std::isfinite(point.x()) && std::isfinite(point.y()))
            points.push_back(point);
    }
    if (points.size() < 3)
        return points;
    double xMinimum = points.front().x();
    double xMaximum = xMinimum;
    double yMinimum = points.front().y();
    double yMaximum = yMinimum;
    for (const QPointF& point : points) {
        xMinimum = std::min(xMinimum, point.x());
        xMaximum = std::max(xMaximum, point.x());
        yMinimum = std::min(yMinimum, point.y());
        yMaximum = std::max(yMaximum, point.y());
    }
    const double xExtent = xMaximum > xMinimum ? xMaximum - xMinimum : 1.0;
    const double yExtent = yMaximum > yMinimum ? yMaximum - yMinimum : 1.0;
    std::vector<double> parameter;
    std::vector<double> xs;
    std::vector<double> ys;
    double length = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            const double step = std::hypot((points[i].x() - points[i - 1].x()) / xExtent,
                                           (points[i].y() - points[i - 1].y()) / yExtent);
            if (step == 0.0)
                continue;
            length += step;
        }
        parameter.push_back(length);
        xs.push_back(points[i].x());
        ys.push_back(points[i].y());
    }
    if (parameter.size() < 2)
        return points;
    const CurveFit x = CurveFit::naturalSpline(parameter, xs);
    const CurveFit y = CurveFit::naturalSpline(parameter, ys);
    std::vector<QPointF> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = length * i / (count - 1);
        result.emplace_back(x(t), y(t));
    }
    return result;
}

CurveFit fitted(const std::vector<double>& independent, const std::vector<double>& dependent,
                const LineMapStyle::Curves& curves, const std::vector<double>& weights)
{
    switch (curves.type) {
    case CurveType_PolynomialFit:
        return CurveFit::polynomial(independent, dependent, curves.polynomialOrder, weights);
    case CurveType_EToRFit:
        return CurveFit::exponential(independent, dependent, weights);
    case CurveType_PowerFit:
        return CurveFit::power(independent, dependent, weights);
    default:
        return curves.clamped ? CurveFit::clampedSpline(independent, dependent, curves.startSlope, curves.endSlope)
                              : CurveFit::naturalSpline(independent, dependent);
    }
}

} // namespace

std::vector<QPointF> LineCurve::points(const std::vector<QPointF>& data, const LineMapStyle::Curves& curves,
                                       bool yIndependent, const std::vector<double>& weights)
{
    const int count = std::max(2, curves.pointCount);
    switch (curves.type) {
    case CurveType_PolynomialFit:
    case CurveType_EToRFit:
    case CurveType_PowerFit:
    case CurveType_Spline:
        break;
    case CurveType_ParaSpline:
        return parametricSpline(data, count);
    default:
        return data;
    }
    std::vector<double> independent;
    std::vector<double> dependent;
    independent.reserve(data.size());
    dependent.reserve(data.size());
    for (const QPointF& point : data) {
        independent.push_back(yIndependent ? point.y() : point.x());
        dependent.push_back(yIndependent ? point.x() : point.y());
    }
    const CurveFit curve = fitted(independent, dependent, curves, weights);
    if (!curve.isValid())
        return {};
    double from = curves.rangeMinimum;
    double to = curves.rangeMaximum;
    if (!curves.useRange) {
        from = to = std::nan("");
        for (double value : independent) {
            if (!std::isfinite(value))
                continue;
            from = std::isfinite(from) ? std::min(from, value) : value;
            to = std::isfinite(to) ? std::max(to, value) : value;
        }
        if (!std::isfinite(from))
            return {};
    }
    std::vector<QPointF> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = from + (to - from) * i / (count - 1);
        const double value = curve(t);
        result.push_back(yIndependent ? QPointF(value, t) : QPointF(t, value));
    }
    return result;
}

} // namespace kestrix::hostsim::render

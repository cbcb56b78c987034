#pragma once

#include <vector>

namespace kestrix::hostsim::render {

// A function of one variable fitted to points (x, y): a least-squares polynomial, exponential
// or power curve, or a cubic spline through the points. Weights, where taken, are one per
// point; an empty list weighs every point alike.
class CurveFit {
public:
    // The polynomial of `order` (1 is a straight line) closest to the points in the least-squares
    // sense; of a lower order when there are too few distinct x for the one asked.
    static CurveFit polynomial(const std::vector<double>& x, const std::vector<double>& y, int order,
                               const std::vector<double>& weights = {});
    // y = a·e^(b·x), fitted on the logarithm of y. Only points of one sign of y take part: the
    // positive ones, or the negative ones when there are no positive ones.
    static CurveFit exponential(const std::vector<double>& x, const std::vector<double>& y,
                                const std::vector<double>& weights = {});
    // y = a·x^b, fitted on the logarithms of x and y; points with x ≤ 0 take no part, nor do
    // points of the other sign of y as for the exponential fit.
    static CurveFit power(const std::vector<double>& x, const std::vector<double>& y,
                          const std::vector<double>& weights = {});
    // The cubic spline through the points, with no curvature at its ends. Points of equal x are
    // merged into their mean.
    static CurveFit naturalSpline(const std::vector<double>& x, const std::vector<double>& y);
    // The cubic spline through the points with the given slopes at the smallest and largest x.
    static CurveFit clampedSpline(const std::vector<double>& x, const std::vector<double>& y, double startSlope,
                                  double endSlope);

    // False when the points could not determine the curve (none usable).
    bool isValid() const { return m_kind != Kind::Invalid; }
    // The curve's value at x; NaN where the curve is not defined. Splines continue their end
    // pieces beyond the points.
    double operator()(double x) const;

private:
    enum class Kind { Invalid, Polynomial, Exponential, Power, Spline };

    static CurveFit spline(const std::vector<double>& x, const std::vector<double>& y, bool clamped, double startSlope,
                           double endSlope);
    double polynomialValue(double x) const;
    double splineValue(double x) const;

    Kind m_kind = Kind::Invalid;
    // Polynomial coefficients, lowest order first, in the variable (x - m_center) / m_scale,
    // which keeps high orders well conditioned.
    std::vector<double> m_coefficients;
    double m_center = 0.0;
    double m_scale = 1.0;
    // Exponential and power curves fit the logarithm of sign·y.
    double m_sign = 1.0;
    // Splines: the knots, the values and the second derivatives there.
    std::vector<double> m_knots;
    std::vector<double> m_values;
    std::vector<double> m_curvatures;
};

} // namespace kestrix::hostsim::render

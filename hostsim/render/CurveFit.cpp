#include "CurveFit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace kestrix::hostsim::render {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

double weightAt(const std::vector<double>& weights, std::size_t i)
{
    return weights.empty() ? 1.0 : (i < weights.size() ? weights[i] : 0.0);
}

// The least-squares solution of the overdetermined system `columns` · c = b, by Householder
// reflections, which stay accurate where the normal equations would lose half the digits.
// Columns are stored one after another; a column that adds nothing gets a zero coefficient.
std::vector<double> leastSquares(std::vector<std::vector<double>> columns, std::vector<double> b)
{
    const std::size_t rows = b.size();
    const std::size_t count = columns.size();
    for (std::size_t k = 0; k < count && k < rows; ++k) {
        std::vector<double>& pivot = columns[k];
        double norm = 0.0;
        for (std::size_t i = k; i < rows; ++i)
            norm += pivot[i] * pivot[i];
        norm = std::sqrt(norm);
        if (norm == 0.0)
            continue;
        const double alpha = pivot[k] > 0.0 ? -norm : norm;
        std::vector<double> v(pivot.begin() + static_cast<std::ptrdiff_t>(k), pivot.end());
        v[0] -= alpha;
        double vv = 0.0;
        for (double component : v)
            vv += component * component;
        if (vv == 0.0)
            continue;
        const auto reflect = [&](std::vector<double>& column) {
            double s = 0.0;
            for (std::size_t i = k; i < rows; ++i)
                s += v[i - k] * column[i];
            const double factor = 2.0 * s / vv;
            for (std::size_t i = k; i < rows; ++i)
                column[i] -= factor * v[i - k];
        };
        for (std::size_t j = k; j < count; ++j)
            reflect(columns[j]);
        reflect(b);
    }
    std::vector<double> solution(count, 0.0);
    const std::size_t solved = std::min(count, rows);
    double largest = 0.0;
    for (std::size_t k = 0; k < solved; ++k)
        largest = std::max(largest, std::abs(columns[k][k]));
    for (std::size_t k = solved; k-- > 0;) {
        const double diagonal = columns[k][k];
        if (std::abs(diagonal) <= largest * 1e-13)
            continue;
        double sum = b[k];
        for (std::size_t j = k + 1; j < solved; ++j)
            sum -= columns[j][k] * solution[j];
        solution[k] = sum / diagonal;
    }
    return solution;
}

std::size_t distinctCount(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return static_cast<std::size_t>(std::unique(values.begin(), values.end()) - values.begin());
}

// Which sign of y a logarithmic fit uses: positive values when there are any.
double logarithmicSign(const std::vector<double>& y)
{
    for (double value : y) {
        if (value > 0.0 && std::isfinite(value))
            return 1.0;
    }
    return -1.0;
}

} // namespace

CurveFit CurveFit::polynomial(const std::vector<double>& x, const std::vector<double>& y, int order,
                              const std::vector<double>& weights)
{
    std::vector<double> xs;
    std::vector<double> ys;
    std::vector<double> roots;
    const std::size_t count = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < count; ++i) {
        const double weight = weightAt(weights, i);
        if (std::isfinite(x[i]) && std::isfinite(y[i]) && weight > 0.0 && std::isfinite(weight)) {
            xs.push_back(x[i]);
            ys.push_back(y[i]);
            roots.push_back(std::sqrt(weight));
        }
    }
    CurveFit fit;
    if (xs.empty())
        return fit;
    const std::size_t distinct = distinctCount(xs);
    const std::size_t terms = std::min<std::size_t>(static_cast<std::size_t>(std::max(order, 0)) + 1, distinct);
    const auto [lowest, highest] = std::minmax_element(xs.begin(), xs.end());
    fit.m_center = (*lowest + *highest) / 2.0;
    fit.m_scale = *highest > *lowest ? (*highest - *lowest) / 2.0 : 1.0;

    std::vector<std::vector<double>> columns(terms, std::vector<double>(xs.size()));
    std::vector<double> b(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double t = (xs[i] - fit.m_center) / fit.m_scale;
        double power = roots[i];
        for (std::size_t j = 0; j < terms; ++j) {
            columns[j][i] = power;
            power *= t;
        }
        b[i] = roots[i] * ys[i];
    }
    fit.m_coefficients = leastSquares(std::move(columns), std::move(b));
    fit.m_kind = Kind::Polynomial;
    return fit;
}

CurveFit CurveFit::exponential(const std::vector<double>& x, const std::vector<double>& y,
                               const std::vector<double>& weights)
{
    const double sign = logarithmicSign(y);
    std::vector<double> xs;
    std::vector<double> logs;
    std::vector<double> usedWeights;
    const std::size_t count = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (sign * y[i] > 0.0) {
            xs.push_back(x[i]);
            logs.push_back(std::log(sign * y[i]));
            usedWeights.push_back(weightAt(weights, i));
        }
    }
    CurveFit fit = polynomial(xs, logs, 1, usedWeights);
    if (fit.isValid()) {
        fit.m_kind = Kind::Exponential;
        fit.m_sign = sign;
    }
    return fit;
}

CurveFit CurveFit::power(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& weights)
{
    const double sign = logarithmicSign(y);
    std::vector<double> logX;
    std::vector<double> logY;
    std::vector<double> usedWeights;
    const std::size_t count = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (x[i] > 0.0 && sign * y[i] > 0.0) {
            logX.push_back(std::log(x[i]));
            logY.push_back(std::log(sign * y[i]));
            usedWeights.push_back(weightAt(weights, i));
        }
    }
    CurveFit fit = polynomial(logX, logY, 1, usedWeights);
    if (fit.isValid()) {
        fit.m_kind = Kind::Power;
        fit.m_sign = sign;
    }
    return fit;
}

CurveFit CurveFit::naturalSpline(const std::vector<double>& x, const std::vector<double>& y)
{
    return spline(x, y, false, 0.0, 0.0);
}

CurveFit CurveFit::clampedSpline(const std::vector<double>& x, const std::vector<double>& y, double startSlope,
                                 double endSlope)
{
    return spline(x, y, true, startSlope, endSlope);
}

CurveFit CurveFit::spline(const std::vector<double>& x, const std::vector<double>& y, bool clamped, double startSlope,
                          double endSlope)
{
    std::vector<std::pair<double, double>> points;
    const std::size_t count = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (std::isfinite(x[i]) && std::isfinite(y[i]))
            points.emplace_back(x[i], y[i]);
    }
    CurveFit fit;
    if (points.empty())
        return fit;
    std::sort(points.begin(), points.end());
    for (std::size_t i = 0; i < points.size();) {
        std::size_t end = i;
        double sum = 0.0;
        while (end < points.size() && points[end].first == points[i].first)
            sum += points[end++].second;
        fit.m_knots.push_back(points[i].first);
        fit.m_values.push_back(sum / static_cast<double>(end - i));
        i = end;
    }
    const std::size_t n = fit.m_knots.size();
    fit.m_curvatures.assign(n, 0.0);
    fit.m_kind = Kind::Spline;
    if (n < 2 || (n == 2 && !clamped))
        return fit;

    // The tridiagonal system for the second derivatives M: continuity of the slope at every
    // inner knot, and at the ends either M = 0 or the given slope.
    const std::vector<double>& k = fit.m_knots;
    const std::vector<double>& v = fit.m_values;
    std::vector<double> lower(n, 0.0);
    std::vector<double> diagonal(n, 1.0);
    std::vector<double> upper(n, 0.0);
    std::vector<double> right(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double before = k[i] - k[i - 1];
        const double after = k[i + 1] - k[i];
        lower[i] = before;
        diagonal[i] = 2.0 * (before + after);
        upper[i] = after;
        right[i] = 6.0 * ((v[i + 1] - v[i]) / after - (v[i] - v[i - 1]) / before);
    }
    if (clamped) {
        const double first = k[1] - k[0];
        diagonal[0] = 2.0 * first;
        upper[0] = first;
        right[0] = 6.0 * ((v[1] - v[0]) / first - startSlope);
        const double last = k[n - 1] - k[n - 2];
        lower[n - 1] = last;
        diagonal[n - 1] = 2.0 * last;
        right[n - 1] = 6.0 * (endSlope - (v[n - 1] - v[n - 2]) / last);
    }
    for (std::size_t i = 1; i < n; ++i) {
        const double factor = lower[i] / diagonal[i - 1];
        diagonal[i] -= factor * upper[i - 1];
        right[i] -= factor * right[i - 1];
    }
    fit.m_curvatures[n - 1] = right[n - 1] / diagonal[n - 1];
    for (std::size_t i = n - 1; i-- > 0;)
        fit.m_curvatures[i] = (right[i] - upper[i] * fit.m_curvatures[i + 1]) / diagonal[i];
    return fit;
}

double CurveFit::operator()(double x) const
{
    switch (m_kind) {
    case Kind::Polynomial:
        return polynomialValue(x);
    case Kind::Exponential:
        return m_sign * std::exp(polynomialValue(x));
    case Kind::Power:
        return x > 0.0 ? m_sign * std::exp(polynomialValue(std::log(x))) : notANumber;
    case Kind::Spline:
        return splineValue(x);
    case Kind::Invalid:
        break;
    }
    return notANumber;
}

double CurveFit::polynomialValue(double x) const
{
    const double t = (x - m_center) / m_scale;
    double value = 0.0;
    for (auto it = m_coefficients.rbegin(); it != m_coefficients.rend(); ++it)
        value = value * t + *it;
    return value;
}

double CurveFit::splineValue(double x) const
{
    const std::size_t n = m_knots.size();
    if (n == 1)
        return m_values.front();
    // The piece holding x; the end pieces also serve beyond the knots.
    const auto above = std::upper_bound(m_knots.begin(), m_knots.end(), x);
    std::size_t i = static_cast<std::size_t>(std::max<std::ptrdiff_t>(above - m_knots.begin(), 1)) - 1;
    i = std::min(i, n - 2);
    const double h = m_knots[i + 1] - m_knots[i];
    const double a = m_knots[i + 1] - x;
    const double b = x - m_knots[i];
    return m_curvatures[i] * a * a * a / (6.0 * h) + m_curvatures[i + 1] * b * b * b / (6.0 * h)
           + (m_values[i] / h - m_curvatures[i] * h / 6.0) * a
           + (m_values[i + 1] / h - m_curvatures[i + 1] * h / 6.0) * b;
}

} // namespace kestrix::hostsim::render

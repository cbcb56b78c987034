// The numerical curves of line maps: least-squares fits, splines, and the sampled curve a map
// draws.

#include <hostsim/render/CurveFit.h>
#include <hostsim/render/LineCurve.h>

#include <kxsdkbase/Enumerations.h>

#include <QtTest>

#include <cmath>

using kestrix::hostsim::render::CurveFit;
using kestrix::hostsim::render::LineCurve;
using kestrix::hostsim::render::LineMapStyle;

namespace {

bool near(double actual, double expected, double tolerance = 1e-9)
{
    return std::abs(actual - expected) <= tolerance * std::max(1.0, std::abs(expected));
}

double derivative(const CurveFit& curve, double x, double h = 1e-5)
{
    return (curve(x + h) - curve(x - h)) / (2.0 * h);
}

double secondDerivative(const CurveFit& curve, double x, double h = 1e-4)
{
    return (curve(x + h) - 2.0 * curve(x) + curve(x - h)) / (h * h);
}

} // namespace

class TestRenderCurveFit : public QObject {
    Q_OBJECT

private slots:
    void quadraticThroughThreePoints()
    {
        const std::vector<double> x = {2.0, 5.0, 8.0};
        const std::vector<double> y = {2.0, 8.0, 3.0};
        const CurveFit curve = CurveFit::polynomial(x, y, 2);
        QVERIFY(curve.isValid());
        for (std::size_t i = 0; i < x.size(); ++i)
            QVERIFY2(near(curve(x[i]), y[i]), qPrintable(QString::number(curve(x[i]))));
        // Lagrange's parabola through the points, away from them.
        const double at = 3.5;
        const double expected = 2.0 * (at - 5.0) * (at - 8.0) / ((2.0 - 5.0) * (2.0 - 8.0))
                                + 8.0 * (at - 2.0) * (at - 8.0) / ((5.0 - 2.0) * (5.0 - 8.0))
                                + 3.0 * (at - 2.0) * (at - 5.0) / ((8.0 - 2.0) * (8.0 - 5.0));
        QVERIFY(near(curve(at), expected));
    }

    void linearFitOfCollinearPointsIsTheLine()
    {
        const std::vector<double> x = {-3.0, 0.5, 1.0, 4.0, 10.0};
        std::vector<double> y;
        for (double value : x)
            y.push_back(0.75 * value - 2.0);
        const CurveFit line = CurveFit::polynomial(x, y, 1);
        for (double at : {-10.0, 0.0, 2.5, 20.0})
            QVERIFY(near(line(at), 0.75 * at - 2.0));
    }

    void linearFitMinimisesSquares()
    {
        // The regression line of these points is y = 1.1 + 1.1 x.
        const CurveFit line = CurveFit::polynomial({0.0, 1.0, 2.0, 3.0}, {1.0, 3.0, 2.0, 5.0}, 1);
        QVERIFY(near(line(0.0), 1.1));
        QVERIFY(near(line(10.0), 12.1));
    }

    void orderFallsToTheDistinctPoints()
    {
        // Two distinct abscissas determine a line, not a cubic.
        const CurveFit curve = CurveFit::polynomial({1.0, 1.0, 3.0}, {2.0, 4.0, 7.0}, 3);
        QVERIFY(curve.isValid());
        QVERIFY(near(curve(1.0), 3.0));
        QVERIFY(near(curve(3.0), 7.0));
        QVERIFY(near(curve(5.0), 11.0));
    }

    void highOrderFarFromZeroStaysAccurate()
    {
        std::vector<double> x;
        std::vector<double> y;
        const auto polynomial = [](double at) {
            const double t = at - 1005.0;
            return 1.0 - 2.0 * t + 0.5 * std::pow(t, 5) - 0.01 * std::pow(t, 10);
        };
        for (int i = 0; i <= 60; ++i) {
            x.push_back(1000.0 + i / 6.0);
            y.push_back(polynomial(x.back()));
        }
        const CurveFit curve = CurveFit::polynomial(x, y, 10);
        for (double at : {1000.0, 1002.3, 1005.0, 1009.9})
            QVERIFY2(near(curve(at), polynomial(at), 1e-6), qPrintable(QString::number(curve(at) - polynomial(at))));
    }

    void zeroWeightsLeaveAPointOut()
    {
        const std::vector<double> x = {0.0, 1.0, 2.0, 3.0};
        const std::vector<double> y = {1.0, 3.0, 100.0, 7.0};
        const CurveFit weighted = CurveFit::polynomial(x, y, 1, {1.0, 1.0, 0.0, 1.0});
        QVERIFY(near(weighted(2.0), 5.0));
        const CurveFit unweighted = CurveFit::polynomial(x, y, 1);
        QVERIFY(!near(unweighted(2.0), 5.0, 1e-3));
    }

    void noUsablePointsGiveNoCurve()
    {
        QVERIFY(!CurveFit::polynomial({}, {}, 2).isValid());
        QVERIFY(!CurveFit::power({-1.0, 0.0}, {1.0, 2.0}).isValid());
        QVERIFY(std::isnan(CurveFit::polynomial({}, {}, 2)(1.0)));
    }

    void exponentialFitReproducesAnExponential()
    {
        std::vector<double> x;
        std::vector<double> y;
        for (double at = -1.0; at <= 3.0; at += 0.5) {
            x.push_back(at);
            y.push_back(2.0 * std::exp(0.5 * at));
        }
        const CurveFit curve = CurveFit::exponential(x, y);
        QVERIFY(near(curve(5.0), 2.0 * std::exp(2.5)));
        // Negative data are fitted on their magnitude.
        for (double& value : y)
            value = -value;
        QVERIFY(near(CurveFit::exponential(x, y)(1.0), -2.0 * std::exp(0.5)));
    }

    void powerFitReproducesAPower()
    {
        std::vector<double> x;
        std::vector<double> y;
        for (double at = 0.5; at <= 4.0; at += 0.5) {
            x.push_back(at);
            y.push_back(3.0 * std::pow(at, 1.5));
        }
        const CurveFit curve = CurveFit::power(x, y);
        QVERIFY(near(curve(9.0), 81.0));
        QVERIFY(std::isnan(curve(-1.0)));
    }

    void naturalSplinePassesThroughThePoints()
    {
        const std::vector<double> x = {0.0, 1.0, 2.5, 3.0, 5.0};
        const std::vector<double> y = {1.0, -1.0, 2.0, 2.5, 0.0};
        const CurveFit spline = CurveFit::naturalSpline(x, y);
        for (std::size_t i = 0; i < x.size(); ++i)
            QVERIFY(near(spline(x[i]), y[i]));
        // Natural: no curvature at the ends; smooth: the slope is continuous at the knots.
        QVERIFY(std::abs(secondDerivative(spline, 0.0 + 1e-3)) < 0.05);
        QVERIFY(std::abs(secondDerivative(spline, 5.0 - 1e-3)) < 0.05);
        QVERIFY(std::abs(derivative(spline, 2.5 - 1e-3, 1e-6) - derivative(spline, 2.5 + 1e-3, 1e-6)) < 0.05);
        // Not the polyline through the points.
        QVERIFY(!near(spline(0.5), 0.0, 1e-3));
    }

    void splineOfUnsortedPointsSortsThem()
    {
        const CurveFit spline = CurveFit::naturalSpline({3.0, 0.0, 1.0}, {4.0, 0.0, 1.0});
        QVERIFY(near(spline(0.0), 0.0));
        QVERIFY(near(spline(1.0), 1.0));
        QVERIFY(near(spline(3.0), 4.0));
    }

    void clampedSplineTakesTheEndSlopes()
    {
        const std::vector<double> x = {0.0, 1.0, 2.0, 4.0};
        const std::vector<double> y = {0.0, 1.0, 0.0, 2.0};
        const CurveFit spline = CurveFit::clampedSpline(x, y, 3.0, -1.0);
        for (std::size_t i = 0; i < x.size(); ++i)
            QVERIFY(near(spline(x[i]), y[i]));
        QVERIFY2(std::abs(derivative(spline, 0.0) - 3.0) < 1e-4, qPrintable(QString::number(derivative(spline, 0.0))));
        QVERIFY(std::abs(derivative(spline, 4.0) + 1.0) < 1e-4);
    }

    void curveSamplesTheRangeWithTheMapsPointCount()
    {
        LineMapStyle::Curves curves;
        curves.type = CurveType_PolynomialFit;
        curves.polynomialOrder = 1;
        curves.pointCount = 11;
        curves.useRange = true;
        curves.rangeMinimum = -5.0;
        curves.rangeMaximum = 5.0;
        const std::vector<QPointF> points = LineCurve::points({{0.0, 1.0}, {1.0, 3.0}}, curves, false);
        QCOMPARE(points.size(), std::size_t(11));
        QVERIFY(near(points.front().x(), -5.0));
        QVERIFY(near(points.front().y(), -9.0));
        QVERIFY(near(points.back().x(), 5.0));
        QVERIFY(near(points.back().y(), 11.0));

        curves.useRange = false;
        const std::vector<QPointF> overData = LineCurve::points({{2.0, 1.0}, {4.0, 3.0}, {3.0, 2.0}}, curves, false);
        QVERIFY(near(overData.front().x(), 2.0));
        QVERIFY(near(overData.back().x(), 4.0));
    }

    void yIndependentFitsXAsAFunctionOfY()
    {
        LineMapStyle::Curves curves;
        curves.type = CurveType_PolynomialFit;
        curves.polynomialOrder = 2;
        curves.pointCount = 21;
        std::vector<QPointF> data;
        for (double y = -2.0; y <= 2.0; y += 0.5)
            data.emplace_back(y * y, y);
        const std::vector<QPointF> points = LineCurve::points(data, curves, true);
        QCOMPARE(points.size(), std::size_t(21));
        for (const QPointF& point : points)
            QVERIFY(near(point.x(), point.y() * point.y(), 1e-9));
        QVERIFY(near(points.front().y(), -2.0));
        QVERIFY(near(points.back().y(), 2.0));
    }

    void parametricSplineFollowsAClosedShape()
    {
        LineMapStyle::Curves curves;
        curves.type = CurveType_ParaSpline;
        curves.pointCount = 200;
        std::vector<QPointF> data;
        for (int degrees = 0; degrees <= 360; degrees += 30)
            data.emplace_back(std::cos(degrees * M_PI / 180.0), std::sin(degrees * M_PI / 180.0));
        const std::vector<QPointF> points = LineCurve::points(data, curves, false);
        QCOMPARE(points.size(), std::size_t(200));
        QVERIFY(near(points.front().x(), 1.0) && near(points.front().y(), 0.0, 1e-12));
        for (const QPointF& point : points)
            QVERIFY2(std::abs(std::hypot(point.x(), point.y()) - 1.0) < 0.02,
                     qPrintable(QString::number(std::hypot(point.x(), point.y()))));
    }

    void lineSegmentsAreTheDataThemselves()
    {
        LineMapStyle::Curves curves;
        curves.type = CurveType_LineSeg;
        const std::vector<QPointF> data = {{0.0, 1.0}, {2.0, -1.0}, {1.0, 5.0}};
        QCOMPARE(LineCurve::points(data, curves, false), data);
        curves.type = CurveType_Extended;
        QCOMPARE(LineCurve::points(data, curves, false), data);
    }
};

QTEST_GUILESS_MAIN(TestRenderCurveFit)
#include "tst_render_curvefit.moc"

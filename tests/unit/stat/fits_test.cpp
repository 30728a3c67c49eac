#include "fits.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace kalvo {
namespace {

StatList listOf(std::initializer_list<std::pair<double, double>> values)
{
    StatList list;
    for (const auto& [x, y] : values)
        list.append(x, y);
    return list;
}

TEST(Fits, LinearThroughThreeCollinearPoints)
{
    StatList list = listOf({{0, 1}, {1, 3}, {2, 5}});
    EXPECT_EQ(fitReport(list, FitKind::Linear).value(),
              QStringLiteral("Least squares fit for  Y = a * X + b \n\na\t= 2\nb\t= 1\n\nn\t= 3\nr\t= 1\n\n"
                             "Failure^2 Sum\t= 0\nFailure^2 Sum/n\t= 0"));
    for (const StatEntry& e : list.entries())
        EXPECT_EQ(e.failure, 0);
}

TEST(Fits, LinearResidualsAndPercentages)
{
    StatList list = listOf({{0, 0}, {1, 2}, {2, 2}});
    EXPECT_EQ(
        fitReport(list, FitKind::Linear).value(),
        QStringLiteral("Least squares fit for  Y = a * X + b \n\na\t= 1\nb\t= 0.333333\n\nn\t= 3\nr\t= 0.866025\n\n"
                       "Failure^2 Sum\t= 0.666667\nFailure^2 Sum/n\t= 0.222222"));
    EXPECT_NEAR(list.at(0).failure, -1.0 / 3, 1e-12);
    EXPECT_NEAR(list.at(1).failure, 2.0 / 3, 1e-12);
    EXPECT_NEAR(list.at(2).failure, -1.0 / 3, 1e-12);
    EXPECT_NEAR(list.at(1).failurePercent, 100.0 / 3, 1e-9);
    EXPECT_FALSE(std::isfinite(list.at(0).failurePercent)); // Y = 0
}

TEST(Fits, QuadraticThroughAParabola)
{
    StatList list = listOf({{0, 1}, {1, 2}, {2, 5}, {3, 10}});
    EXPECT_EQ(fitReport(list, FitKind::Quadratic).value(),
              QStringLiteral("Least squares fit for  Y = a*X^2 + b*X + c \n\na\t= 1\nb\t= 0\nc\t= 1\n\nn\t= 4\n\n"
                             "Failure^2 Sum\t= 0\nFailure^2 Sum/n\t= 0"));
}

TEST(Fits, ExponentialAndPowerLaw)
{
    const double e = std::exp(1.0);
    StatList exponential = listOf({{0, 2}, {1, 2 * e}, {2, 2 * e * e}});
    // The residuals are rounding errors of e^x, about 1e-15.
    const QString exponentialReport = fitReport(exponential, FitKind::Exponential).value();
    EXPECT_TRUE(exponentialReport.startsWith(QStringLiteral(
        "Linear least squares fit for  Y = a * e^( b * X )\n\na\t= 2\nb\t= 1\n\nn\t= 3\nr\t= 1\n\nFailure^2 Sum\t= ")))
        << exponentialReport.toStdString();
    for (const StatEntry& entry : exponential.entries())
        EXPECT_NEAR(entry.failure, 0, 1e-14);
    StatList power = listOf({{1, 3}, {2, 12}, {4, 48}});
    const QString report = fitReport(power, FitKind::Power).value();
    EXPECT_TRUE(report.startsWith(
        QStringLiteral("Linear least squares fit for  Y = a * X^b \n\na\t= 3\nb\t= 2\n\nn\t= 3\nr\t= 1\n\n")))
        << report.toStdString();
    const Fit fit = computeFit(power, FitKind::Power);
    EXPECT_NEAR(fit.a, 3, 1e-12);
    EXPECT_NEAR(fit.b, 2, 1e-12);
}

TEST(Fits, TooFewEntriesLeaveTheResidualsAlone)
{
    StatList list = listOf({{0, 1}, {1, 2}});
    list.setResidual(0, 5, 6);
    EXPECT_FALSE(fitReport(list, FitKind::Quadratic).has_value());
    EXPECT_EQ(list.at(0).failure, 5);
    StatList one = listOf({{0, 1}});
    for (const FitKind kind : {FitKind::Linear, FitKind::Exponential, FitKind::Power})
        EXPECT_FALSE(fitReport(one, kind).has_value());
    EXPECT_EQ(tooFewForFitMessage(FitKind::Linear), QStringLiteral("Need at least two Xi for linear fit!"));
    EXPECT_EQ(tooFewForFitMessage(FitKind::Quadratic), QStringLiteral("Need at least three Xi for quadratic fit!"));
    EXPECT_EQ(tooFewForFitMessage(FitKind::Exponential), QStringLiteral("Need at least two Xi for exponential fit!"));
    EXPECT_EQ(tooFewForFitMessage(FitKind::Power), QStringLiteral("Need at least two Xi for power fit!"));
}

TEST(Fits, DegenerateDataGiveNonFiniteResultsWithoutStopping)
{
    StatList sameX = listOf({{1, 1}, {1, 2}});
    EXPECT_TRUE(fitReport(sameX, FitKind::Linear).value().contains(QStringLiteral("nan")));
    StatList negative = listOf({{-1, -2}, {2, 3}});
    const QString report = fitReport(negative, FitKind::Power).value();
    EXPECT_TRUE(report.contains(QRegularExpression(QStringLiteral("\na\t= -?nan\n")))) << report.toStdString();
}

// Independent reference: the least-squares problem of the design matrix solved from
// its normal equations by Gaussian elimination with partial pivoting in long double.
template <std::size_t K>
std::array<long double, K> leastSquares(const std::vector<std::array<long double, K>>& rows,
                                        const std::vector<long double>& rhs)
{
    std::array<std::array<long double, K + 1>, K> m{};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t i = 0; i < K; ++i) {
            for (std::size_t j = 0; j < K; ++j)
                m[i][j] += rows[r][i] * rows[r][j];
            m[i][K] += rows[r][i] * rhs[r];
        }
    for (std::size_t col = 0; col < K; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < K; ++r)
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col]))
                pivot = r;
        std::swap(m[col], m[pivot]);
        for (std::size_t r = 0; r < K; ++r) {
            if (r == col)
                continue;
            const long double factor = m[r][col] / m[col][col];
            for (std::size_t c = col; c <= K; ++c)
                m[r][c] -= factor * m[col][c];
        }
    }
    std::array<long double, K> solution{};
    for (std::size_t i = 0; i < K; ++i)
        solution[i] = m[i][K] / m[i][i];
    return solution;
}

class FitsOnRandomData : public ::testing::TestWithParam<unsigned> { };

TEST_P(FitsOnRandomData, AgreeWithAnIndependentSolution)
{
    std::mt19937 random(GetParam());
    std::uniform_real_distribution<double> xs(0.1, 10);
    std::normal_distribution<double> noise(0, 0.3);
    const int n = 3 + static_cast<int>(random() % 200);
    StatList list;
    for (int i = 0; i < n; ++i) {
        const double x = xs(random);
        list.append(x, std::exp(0.2 * x + noise(random)) + 0.5 * x * x);
    }
    std::vector<std::array<long double, 3>> quadraticRows;
    std::vector<std::array<long double, 2>> lineRows, expRows, powerRows;
    std::vector<long double> ys, logYs;
    for (const StatEntry& e : list.entries()) {
        const long double x = e.x;
        quadraticRows.push_back({x * x, x, 1});
        lineRows.push_back({x, 1});
        powerRows.push_back({std::log(x), 1});
        ys.push_back(e.y);
        logYs.push_back(std::log(static_cast<long double>(e.y)));
    }
    const auto quadratic = leastSquares(quadraticRows, ys);
    const auto line = leastSquares(lineRows, ys);
    const auto exponential = leastSquares(lineRows, logYs);
    const auto power = leastSquares(powerRows, logYs);
    const auto close = [](double value, long double reference) {
        return std::fabs(value - static_cast<double>(reference))
            <= 1e-7 * (1 + std::fabs(static_cast<double>(reference)));
    };

    const Fit q = computeFit(list, FitKind::Quadratic);
    EXPECT_TRUE(close(q.a, quadratic[0]) && close(q.b, quadratic[1]) && close(q.c, quadratic[2]))
        << q.a << " " << q.b << " " << q.c;
    const Fit l = computeFit(list, FitKind::Linear);
    EXPECT_TRUE(close(l.a, line[0]) && close(l.b, line[1])) << l.a << " " << l.b;
    const Fit ex = computeFit(list, FitKind::Exponential);
    EXPECT_TRUE(close(ex.b, exponential[0]) && close(ex.a, std::exp(exponential[1]))) << ex.a << " " << ex.b;
    const Fit p = computeFit(list, FitKind::Power);
    EXPECT_TRUE(close(p.b, power[0]) && close(p.a, std::exp(power[1]))) << p.a << " " << p.b;

    // The residuals written back belong to the fitted function.
    ASSERT_TRUE(fitReport(list, FitKind::Quadratic).has_value());
    for (const StatEntry& e : list.entries()) {
        const long double fitted = quadratic[0] * e.x * e.x + quadratic[1] * e.x + quadratic[2];
        EXPECT_TRUE(close(e.failure, e.y - fitted)) << e.x;
        EXPECT_DOUBLE_EQ(e.failurePercent, 100 * e.failure / e.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, FitsOnRandomData, ::testing::Range(1u, 21u));

} // namespace
} // namespace kalvo

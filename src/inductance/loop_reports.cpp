#include "inductance_reports.h"

#include "constants.h"

#include <cmath>

namespace kalvo::inductance {
using namespace physics;
namespace {

constexpr double mm2PerSquareInch = mmPerInch * mmPerInch;

// The one line every loop and mutual inductance report prints.
void inductanceLine(ReportBuilder& report, double nanohenry)
{
    report << "\nL\t= ";
    report.number("L", nanohenry, units::nanohenry) << " nH";
}

// Against Maxwell's mutual inductance of coaxial circular loops the dipole formula is
// more than 20 % high unless r^2 > 2.5 (A1 + A2): the 20 % limit lies at 2.37 (equal
// loops, r = 2.18 sqrt(A)) to 2.46 (one loop much smaller) times A1 + A2, and equal
// square loops reach it at r = 2.23 sqrt(A). Negative areas make no loops.
bool dipoleWithin20Percent(double area1, double area2, double distance)
{
    return area1 >= 0.0 && area2 >= 0.0 && distance > std::sqrt(2.5 * (area1 + area2));
}

} // namespace

Report circularLoopReport(const CalculationInput& input)
{
    const double wire = input.value(1) / 10.0; // cm
    const double loop = input.value(2) / 10.0;
    ReportBuilder report(input.format, input.detail);
    inductanceLine(report, twoPi * loop * (std::log(8.0 * loop / wire) - 2.0));
    return report.take();
}

Report rectangularLoopReport(const CalculationInput& input)
{
    const double wire = input.value(1) / mmPerInch;
    const double length = input.value(2) / mmPerInch;
    const double width = input.value(3) / mmPerInch;
    const double henry = 1.016e-08 * (length * std::log(2.0 * width / wire) + width * std::log(2.0 * length / wire));
    ReportBuilder report(input.format, input.detail);
    inductanceLine(report, henry * 1e9);
    return report.take();
}

// The two loops as magnetic dipoles on a common axis, M = mu0 A1 A2 / (2 pi r^3).
Report loopMutualReport(const CalculationInput& input)
{
    const double area1 = input.value(1) / mm2PerSquareInch;
    const double area2 = input.value(2) / mm2PerSquareInch;
    const double distance = input.value(3) / mmPerInch;
    ReportBuilder report(input.format, input.detail);
    inductanceLine(report, 5.08 * area1 * area2 / (distance * distance * distance));
    if (!dipoleWithin20Percent(area1, area2, distance)) {
        report << "\n\n**** Warning ****\n";
        report.warning("Accuracy is expected to be poor!");
    }
    return report.take();
}

Report lineMutualReport(const CalculationInput& input)
{
    const double separation = input.value(1);
    const double height = input.value(2);
    const double perMetre = input.value(3); // nH/m
    const double span = input.value(4); // mm
    const double ratio = separation / height;
    ReportBuilder report(input.format, input.detail);
    inductanceLine(report, perMetre * span / (1.0 + ratio * ratio) / 1000.0);
    return report.take();
}

} // namespace kalvo::inductance

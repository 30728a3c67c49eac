#include "inductance_reports.h"

#include <cmath>
#include <numbers>

namespace kalvo::inductance {
namespace {

constexpr double mmPerInch = 25.4;
constexpr double mm2PerSquareInch = 645.16;

QString inductanceLine(double nanohenry, const NumberFormat& format)
{
    return QStringLiteral("\nL\t= ") + formatNumber(nanohenry, format) + QStringLiteral(" nH");
}

} // namespace

QString circularLoopReport(const CalculationInput& input)
{
    const double wire = input.value(1) / 10.0; // cm
    const double loop = input.value(2) / 10.0;
    const double nanohenry = 2.0 * std::numbers::pi * loop * (std::log(8.0 * loop / wire) - 2.0);
    return inductanceLine(nanohenry, input.format);
}

QString rectangularLoopReport(const CalculationInput& input)
{
    const double wire = input.value(1) / mmPerInch;
    const double length = input.value(2) / mmPerInch;
    const double width = input.value(3) / mmPerInch;
    const double henry = 1.016e-08 * (length * std::log(2.0 * width / wire) + width * std::log(2.0 * length / wire));
    return inductanceLine(henry * 1e9, input.format);
}

// The dipole approximation holds only when the loops are farther apart than they are wide.
QString loopMutualReport(const CalculationInput& input)
{
    const double area1 = input.value(1) / mm2PerSquareInch;
    const double area2 = input.value(2) / mm2PerSquareInch;
    const double distance = input.value(3) / mmPerInch;
    const double nanohenry = 5.08 * area1 * area2 / (distance * distance * distance);
    QString report = inductanceLine(nanohenry, input.format);
    if (!(distance > std::sqrt(area1) && distance > std::sqrt(area2)))
        report += QStringLiteral("\n\n**** Warning ****\nAccuracy is expected to be poor!");
    return report;
}

QString lineMutualReport(const CalculationInput& input)
{
    const double separation = input.value(1);
    const double height = input.value(2);
    const double perMetre = input.value(3); // nH/m
    const double span = input.value(4); // mm
    const double ratio = separation / height;
    const double nanohenry = perMetre * span / (1.0 + ratio * ratio) / 1000.0;
    return inductanceLine(nanohenry, input.format);
}

} // namespace kalvo::inductance

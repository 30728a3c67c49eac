#include "report.h"

#include <cmath>
#include <utility>

namespace kalvo {
namespace {

// The SI value of a number in unit. A decimal fraction such as 1e-9 is not exact in
// binary, so the value is divided by its exact reciprocal: 7 nH gives 7e-9 H, not
// 7.000000000000001e-9.
double toSi(double value, const Unit& unit)
{
    if (unit.scale >= 1.0 || unit.scale <= 0.0)
        return value * unit.scale;
    const double reciprocal = std::nearbyint(1.0 / unit.scale);
    return std::fabs(reciprocal * unit.scale - 1.0) < 1e-12 ? value / reciprocal : value * unit.scale;
}

} // namespace

const Quantity* Report::quantity(QStringView key) const
{
    for (const Quantity& q : quantities)
        if (q.key == key)
            return &q;
    return nullptr;
}

ReportBuilder::ReportBuilder(const NumberFormat& format)
    : format_(format)
{
}

ReportBuilder& ReportBuilder::operator<<(const char* text)
{
    report.text += QString::fromUtf8(text);
    return *this;
}

ReportBuilder& ReportBuilder::operator<<(const QString& text)
{
    report.text += text;
    return *this;
}

ReportBuilder& ReportBuilder::number(const QString& key, double shownValue, const Unit& unit)
{
    return number(key, shownValue, unit, formatNumber(shownValue, format_));
}

ReportBuilder& ReportBuilder::number(const QString& key, double shownValue, const Unit& unit, const QString& shownText)
{
    report.text += shownText;
    numberEnds.push_back(report.text.size());
    report.quantities.push_back({.key = key,
                                 .value = toSi(shownValue, unit),
                                 .unit = QString::fromUtf8(unit.si),
                                 .shownUnit = QString::fromUtf8(unit.shown),
                                 .shown = shownText.trimmed(),
                                 .block = currentBlock});
    return *this;
}

QString ReportBuilder::format(double shownValue) const
{
    return formatNumber(shownValue, format_);
}

ReportBuilder& ReportBuilder::block(const QString& title)
{
    currentBlock = title;
    return *this;
}

ReportBuilder& ReportBuilder::warning(const QString& printed)
{
    report.text += printed;
    report.warnings.append(printed.simplified());
    return *this;
}

ReportBuilder& ReportBuilder::failure(const QString& printed)
{
    warning(printed);
    report.ok = false;
    return *this;
}

Report ReportBuilder::take()
{
    for (size_t i = 0; i < report.quantities.size(); ++i) {
        Quantity& q = report.quantities[i];
        const qsizetype end = report.text.indexOf(QLatin1Char('\n'), numberEnds[i]);
        q.description = report.text.mid(numberEnds[i], end < 0 ? -1 : end - numberEnds[i]).simplified();
        for (const QString& printedUnit : {q.shownUnit, QLatin1Char('[') + q.shownUnit + QLatin1Char(']')})
            if (!q.shownUnit.isEmpty() && q.description.startsWith(printedUnit))
                q.description = q.description.mid(printedUnit.size()).trimmed();
    }
    numberEnds.clear();
    return std::exchange(report, Report{});
}

} // namespace kalvo

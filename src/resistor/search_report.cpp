#include "search_report.h"

#include "printf_format.h"

#include <cmath>

namespace kalvo {
namespace {

// Below this magnitude the difference is printed with six decimals, from it on with "%lg".
constexpr double fixedDifferenceLimit = 100000;

QString percentText(double value, double nominal, int decimals)
{
    return printfFixed((value / nominal - 1) * 100, decimals) + QLatin1Char('%');
}

TopTenRows topTenRows(const TopTenList& list, Connection connection, double nominal, std::span<const double> table)
{
    TopTenRows rows;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TopTenRecord& record = list[i];
        rows[i] = {printfG(firstResistor(record, table)), printfG(secondResistor(record, table)),
                   percentText(recordValue(record, connection, table), nominal, 4)};
    }
    return rows;
}

QString bestText(const TopTenRecord& best, Connection connection, double nominal, std::span<const double> table)
{
    return bestCombinationText(nominal, recordValue(best, connection, table), firstResistor(best, table),
                               secondResistor(best, table));
}

} // namespace

double nominalFromText(const QString& text)
{
    return text.isEmpty() ? 0 : text.toDouble();
}

QString bestCombinationText(double nominal, double best, double r1, double r2)
{
    const double difference = best - nominal;
    const QString differenceText
        = std::fabs(difference) < fixedDifferenceLimit ? printfFixed(difference, 6) : printfG(difference);
    return QStringLiteral("Nominal\t= ") + printfG(nominal) + QStringLiteral(" \nBest\t= ") + printfG(best)
        + QStringLiteral(" \nR1\t= ") + printfG(r1) + QStringLiteral("\nR2\t= ") + printfG(r2)
        + QStringLiteral("\n\nDiff = ") + differenceText + QStringLiteral("  /  ") + percentText(best, nominal, 3);
}

QString matchedText(double nominal)
{
    return QStringLiteral("Nominal\t= ") + printfG(nominal) + QStringLiteral(" \nBest\t= ") + printfG(nominal)
        + QStringLiteral("\n\nNominal matched!");
}

QString unsearchableText()
{
    return QStringLiteral("A positive finite nominal value\nis needed (%1 to %2).")
        .arg(printfG(minimumNominal), printfG(maximumNominal));
}

SearchReport searchReport(const SearchResult& result)
{
    SearchReport report;
    if (!result.searchable) {
        report.parallelText = unsearchableText();
        report.serialText = report.parallelText;
        return report;
    }
    const std::span<const double> table = seriesTable(result.series);
    const double nominal = result.nominal;
    report.parallelRows = topTenRows(result.parallel.topTen, Connection::Parallel, nominal, table);
    report.serialRows = topTenRows(result.serial.topTen, Connection::Serial, nominal, table);
    if (result.matched) {
        report.serialText = matchedText(nominal);
        return report;
    }
    report.parallelText = bestText(result.parallel.best, Connection::Parallel, nominal, table);
    report.serialText = bestText(result.serial.best, Connection::Serial, nominal, table);
    return report;
}

} // namespace kalvo

#include "solver_comparison.h"

#include "pcb_units.h"

namespace kalvo::pcb {
namespace {

bool hasValues(const fieldsolver::Result& result)
{
    return result.error == fieldsolver::Error::None || result.error == fieldsolver::Error::NotConverged;
}

// "\nname\t= value\tunit\t" with the value recorded under key.
void valueStart(ReportBuilder& report, const LineValue& value, const QString& key, double shown)
{
    report << "\n" << value.name << "\t= ";
    report.number(key, shown, value.unit) << "\t" << value.unit.shown << "\t";
}

} // namespace

void comparisonBlocks(ReportBuilder& report, const std::optional<fieldsolver::Result>& solved,
                      std::span<const LineValue> values, const char* closedFormTitle, const char* suffix)
{
    const bool solverValues = solved && hasValues(*solved);
    report << "\nField solver:";
    if (!solved) {
        report.warning(QStringLiteral("\nNot run while Solve or Plot repeats the report; GO runs it."));
    } else if (solverValues) {
        for (const LineValue& value : values) {
            valueStart(report, value, QString::fromUtf8(value.name), value.solved);
            report << value.description;
        }
        report << "\nerr\t= ";
        report.number(QStringLiteral("err"), solved->estimatedError * 100.0, units::percent)
            << "\t%\tEstimated error of the field solver's capacitances";
        if (solved->error == fieldsolver::Error::NotConverged)
            report.warning(QStringLiteral("\n**** Warning ****  ") + QString::fromUtf8(errorMessage(solved->error)));
    } else {
        report.warning(QStringLiteral("\n") + QString::fromUtf8(errorMessage(solved->error)));
    }

    const QString keySuffix = QLatin1Char('_') + QString::fromUtf8(suffix);
    report << "\n\n" << closedFormTitle;
    for (const LineValue& value : values) {
        valueStart(report, value, QString::fromUtf8(value.name) + keySuffix, value.closedForm);
        if (solverValues) {
            const double difference = (value.closedForm / value.solved - 1.0) * 100.0;
            report.number(QLatin1Char('d') + QString::fromUtf8(value.name) + keySuffix, difference, units::percent)
                << "\t% from the field solver";
        } else {
            report << value.description;
        }
    }
}

void accuracyWarning(ReportBuilder& report, bool withinSourceRange, const char* sourceRange, bool withinTwoPercent)
{
    if (!withinSourceRange)
        report.warning(QStringLiteral("\n**** Warning ****  Outside the closed form's range: ")
                       + QString::fromUtf8(sourceRange));
    else if (!withinTwoPercent)
        report.warning(QStringLiteral(
            "\n**** Warning ****  The measured map does not show the closed form within 2 percent here."));
}

} // namespace kalvo::pcb

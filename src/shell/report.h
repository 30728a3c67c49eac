#pragma once

#include "number_format.h"
#include "units.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kalvo {

// One printed result of a report, as a number.
struct Quantity {
    QString key; // unique within its topology: the printed name, suffixed where a name repeats
    double value = 0.0; // in the SI unit `unit`
    QString unit; // the SI unit of value ("Ohm", "H/m", "1" for a plain ratio)
    QString shownUnit; // the unit as the report prints it ("nH/m"); empty where it prints none
    QString shown; // the number as the report prints it, without padding
    QString block; // the title of the block it stands in, or empty
    QString description; // the rest of its printed line after the unit, simplified
};

// What a report function returns: the text for the result panel and the same results
// as numbers, with the statements and warnings the text prints.
struct Report {
    QString text;
    std::vector<Quantity> quantities;
    QStringList warnings;
    bool ok = true; // false: the report ended early with an error text

    // The quantity with this key, or nullptr.
    const Quantity* quantity(QStringView key) const;
};

// How much of a report to build. Solve, plots and sweep tables read only the values:
// without the text, a report costs a fraction of its time.
enum class ReportDetail {
    Full,
    ValuesOnly, // quantities (key, value, units, block) and warnings; no text, shown texts or descriptions
};

// Builds a report's text and records each number where it is printed, so the text
// and the quantities cannot disagree.
class ReportBuilder {
public:
    // A report passes on its input's detail: ReportBuilder(input.format, input.detail).
    ReportBuilder(const NumberFormat& format, ReportDetail detail);

    // Appends text as it stands (UTF-8 for char strings).
    ReportBuilder& operator<<(const char* text);
    ReportBuilder& operator<<(const QString& text);

    // Appends formatNumber(shownValue) and records it under key; the SI value is
    // shownValue * unit.scale.
    ReportBuilder& number(const QString& key, double shownValue, const Unit& unit);
    // The same for a number the report prints in a form of its own.
    ReportBuilder& number(const QString& key, double shownValue, const Unit& unit, const QString& shownText);

    // Quantities recorded from now on stand in the block with this title ("" for none).
    ReportBuilder& block(const QString& title);
    // Appends text as it stands and records it, whitespace simplified, as a warning or
    // statement about the results.
    ReportBuilder& warning(const QString& printed);
    // Appends text that ends the report with an error.
    ReportBuilder& failure(const QString& printed);

    Report take();

private:
    // Records the quantity whose number the text now ends in.
    ReportBuilder& record(const QString& key, double shownValue, const Unit& unit, QString shown);

    NumberFormat format_;
    bool withText;
    QString currentBlock;
    Report report;
    std::vector<qsizetype> numberEnds; // where each quantity's printed number ends in the text
};

} // namespace kalvo

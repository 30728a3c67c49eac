#pragma once

#include "program.h"
#include "report.h"

#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Checks that a report's quantities agree with its text.
namespace kalvo::test {

// A number a report is expected to record: its key, the unit it is printed in and the
// block it stands in.
struct ExpectedQuantity {
    QString key;
    Unit unit;
    QString block = {};
};

// The quantities of `first`, then those of `second`: a report's blocks one after another.
std::vector<ExpectedQuantity> operator+(std::vector<ExpectedQuantity> first,
                                        const std::vector<ExpectedQuantity>& second);

// The SI value is the printed number times the scale of the unit it is printed in, to
// half a unit of the last printed digit plus 1e-12 of the number; a printed zero, "NaN"
// and the printed infinities stand for exactly those values.
void expectValueAsPrinted(const Quantity& q, double scale);

// Every key is the report's only one of that name and printable ASCII without blanks
// (--solve and JSON name a result by it), each shown text stands in the text as a whole
// number after the one before, and each recorded warning is printed.
void expectKeysAndTextsAgree(const Report& report);

// The report records exactly `expected`, in order, with the values printed (see
// expectValueAsPrinted), and records `warnings` as its statements; keys and texts agree
// as expectKeysAndTextsAgree checks.
void expectRecordedAsPrinted(const Report& report, const std::vector<ExpectedQuantity>& expected,
                             const QStringList& warnings);

// One branch of a report in a quantity table: the inputs typed, the quantities and
// statements it records, and whether it computes (ok) or ends with an error text.
struct QuantityCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    std::vector<ExpectedQuantity> quantities; // in printed order
    QStringList warnings;
    bool ok = true;
};

inline void PrintTo(const QuantityCase& c, std::ostream* os)
{
    *os << c.name;
}

// Runs c as the window of program does and checks it as expectRecordedAsPrinted does,
// and its ok flag.
void expectQuantityCase(const Program& program, const QuantityCase& c, bool moreDigits);

} // namespace kalvo::test

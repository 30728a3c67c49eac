#pragma once

#include "resistor_search.h"

#include <QString>

#include <array>

namespace kalvo {

// The nominal value as the input field gives it: 0 for an empty field or text that is no number.
double nominalFromText(const QString& text);

// The cell texts of one table row: R1, R2 and the deviation in percent.
using TopTenRow = std::array<QString, 3>;
using TopTenRows = std::array<TopTenRow, topTenSize>;

// What the window shows after a search.
struct SearchReport {
    QString parallelText; // TextEditOut_1
    TopTenRows parallelRows; // tableWidget_1
    QString serialText; // TextEditOut_2
    TopTenRows serialRows; // tableWidget_2
};

SearchReport searchReport(const SearchResult& result);

// The panel text of a connection's best combination.
QString bestCombinationText(double nominal, double best, double r1, double r2);

// The serial panel's text when the nominal value is itself a standard value.
QString matchedText(double nominal);

// Both panels' text when the nominal value cannot be searched.
QString unsearchableText();

} // namespace kalvo

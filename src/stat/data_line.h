#pragma once

#include "c_scan.h"

#include <string_view>

namespace kalvo {

// What one line of a data file holds.
struct DataLine {
    enum class Kind {
        Pair, // a pair to append
        Skipped, // blank, a comment, or no number at its start (a column header)
        Terminator, // ends the data
    };
    Kind kind = Kind::Skipped;
    ValuePair pair; // for Kind::Pair
};

// Reads one line of a data file from its beginning (the part where its numbers stand).
// A line whose first non-blank character is '#' is a comment, even when it mentions
// "end"; any other line for which containsTerminator holds ends the data. Otherwise
// X and Y are read as "%lf %lf" reads them, after semicolons and commas have become
// separators like blanks and tabs. A comma between two digits is a decimal comma when
// the line has another separator as well ("1,5;2,5" or "1,5<tab>2,5"), otherwise it
// separates the two numbers ("1,5" is X = 1, Y = 5).
DataLine readDataLine(std::string_view beginning, bool containsTerminator);

} // namespace kalvo

#pragma once

#include "stat_list.h"

#include <QString>

class QIODevice;

namespace kalvo {

// What appending a data file did.
struct DataLoad {
    QString error; // why the file could not be opened; empty when it was read
    int appended = 0; // pairs added to the list
    int skipped = 0; // lines read that hold no pair: blank, comments, column headers
    bool listFilled = false; // a pair was left out because the list was full
};

// Appends the pairs of a data file to the list: one X/Y pair per line (separated by
// blanks, tabs, a semicolon or a comma, further columns ignored, 0 for a Y that cannot
// be read); a line containing "end" or "END" ends the data. Blank lines, comments
// ('#' first) and lines that do not start with a number are skipped. Loading stops at
// the first pair that does not fit into the list.
DataLoad appendDataFile(QIODevice& device, StatList& list);
DataLoad loadDataFile(const QString& path, StatList& list);

// The format help Load Data shows.
QString dataFormatHelp();
// How many pairs a load appended and how many lines it skipped.
QString loadSummary(const DataLoad& load);
// Shown when loading stopped at a full list.
QString listFilledOnLoadMessage();
// One line naming the data file that could not be opened and why.
QString dataFileErrorMessage(const QString& path, const QString& reason);

} // namespace kalvo

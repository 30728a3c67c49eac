#pragma once

#include "stat_list.h"

#include <QString>

class QIODevice;

namespace kalvo {

// What appending a data file did.
struct DataLoad {
    QString error; // why the file could not be opened; empty when it was read
    int appended = 0; // pairs added to the list
    bool listFilled = false; // the list was full before all of the data was read
};

// Appends the pairs of a data file to the list: one X/Y pair per line (white space
// between, further columns ignored), a line containing "end" or "END" ends the data,
// any other line before it appends one pair (0 for numbers that cannot be read).
// Loading stops when the list is full before the end of the file has been seen.
DataLoad appendDataFile(QIODevice& device, StatList& list);
DataLoad loadDataFile(const QString& path, StatList& list);

// The format help Load Data shows.
QString dataFormatHelp();
// Shown when loading stopped at a full list.
QString listFilledOnLoadMessage();
// One line naming the data file that could not be opened and why.
QString dataFileErrorMessage(const QString& path, const QString& reason);

} // namespace kalvo

#pragma once

#include "stat_list.h"

#include <QString>

namespace kalvo {

// The report: one line per entry in array order (x, y, failure^2, failure,
// failure%, number), the "END" line and column header, then the result text. Its data
// lines come before "END", so a report loads again as a data file.
QString reportText(const StatList& list, const QString& resultText);

// Writes the report to path as 8-bit text, creating or replacing the file; a failed
// save leaves an existing file as it was. Returns why it could not be written, or an
// empty text on success.
QString saveReport(const QString& path, const QString& report);

// One line naming the report file that could not be written and why.
QString reportFileErrorMessage(const QString& path, const QString& reason);

} // namespace kalvo

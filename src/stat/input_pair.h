#pragma once

#include "c_scan.h"

#include <QString>

namespace kalvo {

// The pair typed into the input field "Xi Yi": the text as 8-bit characters read with
// "%lf %lf"; (0, 0) when empty, 0 for each number that cannot be read.
ValuePair readInputPair(const QString& text);

// Whether readInputPair finds X at the start of text (after blanks); if not, the pair
// is read as (0, 0).
bool startsWithNumber(const QString& text);

} // namespace kalvo

#include "entry_cells.h"

namespace kalvo {
namespace {

QString sixDigits(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

QStringList tableHeaders()
{
    return {QStringLiteral("Xi"),      QStringLiteral("Yi"),        QStringLiteral("Failure^2"),
            QStringLiteral("Failure"), QStringLiteral("Failure %"), QStringLiteral("Nr.")};
}

QStringList entryCells(const StatEntry& entry)
{
    return {sixDigits(entry.x),
            sixDigits(entry.y),
            sixDigits(entry.failure * entry.failure),
            sixDigits(entry.failure),
            sixDigits(entry.failurePercent) + QLatin1Char('%'),
            QString::number(entry.number + 1)};
}

} // namespace kalvo

#pragma once

#include "decade_range.h"
#include "e_series.h"

#include <QString>

namespace kalvo {

// What kalvo-resistor remembers between runs: the series, the decade range and the
// nominal value as typed.
struct ResistorChoices {
    ESeries series = ESeries::E12;
    DecadeRange range = DecadeRange::TwoDecades;
    QString nominal;
};

// The stored choices; one that is missing or unknown keeps its start value, and a file
// that cannot be read keeps them all.
ResistorChoices loadResistorChoices();
void saveResistorChoices(const ResistorChoices& choices);

// The file that holds them: "kalvo-resistor.ini" in the user's configuration directory.
QString resistorSettingsFile();

} // namespace kalvo

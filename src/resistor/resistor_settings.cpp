#include "resistor_settings.h"

#include "choice_names.h"

#include "window_settings.h"

#include <QSettings>

namespace kalvo {
namespace {

// QLineEdit's default maximum length: a longer text cannot have been typed.
constexpr qsizetype longestNominal = 32767;

const QString seriesKey = QStringLiteral("series");
const QString rangeKey = QStringLiteral("range");
const QString nominalKey = QStringLiteral("nominal");

// An INI file gives every value as text; anything else is not what was stored.
QString storedText(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

} // namespace

ResistorChoices loadResistorChoices()
{
    ResistorChoices choices;
    const QSettings settings = programSettings("resistor");
    if (settings.status() != QSettings::NoError)
        return choices;
    choices.series = choiceNamed(storedText(settings, seriesKey), allSeries, seriesName).value_or(choices.series);
    choices.range
        = choiceNamed(storedText(settings, rangeKey), allDecadeRanges, decadeRangeName).value_or(choices.range);
    const QString nominal = storedText(settings, nominalKey);
    if (nominal.size() <= longestNominal)
        choices.nominal = nominal;
    return choices;
}

void saveResistorChoices(const ResistorChoices& choices)
{
    QSettings settings = programSettings("resistor");
    settings.setValue(seriesKey, QString::fromLatin1(seriesName(choices.series)));
    settings.setValue(rangeKey, QString::fromLatin1(decadeRangeName(choices.range)));
    settings.setValue(nominalKey, choices.nominal);
}

QString resistorSettingsFile()
{
    return programSettings("resistor").fileName();
}

} // namespace kalvo

#include "stat_settings.h"

#include "window_settings.h"

#include <QSettings>

namespace kalvo {
namespace {

const QString sortKey = QStringLiteral("sort");
const QString modeKey = QStringLiteral("mode");

// Choices are stored by their button texts, which the name lookups read back.
QString storedText(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

} // namespace

StatChoices loadStatChoices()
{
    StatChoices choices;
    const QSettings settings = programSettings("stat");
    if (settings.status() != QSettings::NoError)
        return choices;
    choices.sort = sortByName(storedText(settings, sortKey)).value_or(choices.sort);
    choices.mode = modeByName(storedText(settings, modeKey)).value_or(choices.mode);
    return choices;
}

void saveStatChoices(const StatChoices& choices)
{
    QSettings settings = programSettings("stat");
    settings.setValue(sortKey, QString::fromUtf8(buttonOf(choices.sort).text));
    settings.setValue(modeKey, QString::fromUtf8(buttonOf(choices.mode).text).trimmed());
}

QString statSettingsFile()
{
    return programSettings("stat").fileName();
}

} // namespace kalvo

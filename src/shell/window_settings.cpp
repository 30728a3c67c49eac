#include "window_settings.h"

#include <QSettings>

namespace kalvo {
namespace {

// QLineEdit's default maximum length: a longer text cannot have been typed.
constexpr qsizetype longestText = 32767;

const QString topologyKey = QStringLiteral("topology");
const QString moreDigitsKey = QStringLiteral("moreDigits");
const QString radiansKey = QStringLiteral("radians");

QString inputKey(int topologyNumber, int row)
{
    return QStringLiteral("inputs/%1/%2").arg(topologyNumber).arg(row + 1);
}

bool hasAngleChoice(const Program& program)
{
    return !program.layout.angleGroup.isNull();
}

// An INI file gives every value as text; values written in this run come back typed.
std::optional<int> readInt(const QVariant& value)
{
    if (value.typeId() == QMetaType::Int)
        return value.toInt();
    bool ok = false;
    const int number = value.typeId() == QMetaType::QString ? value.toString().toInt(&ok) : 0;
    return ok ? std::optional(number) : std::nullopt;
}

std::optional<bool> readBool(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text == QLatin1String("true") || text == QLatin1String("false"))
            return text == QLatin1String("true");
    }
    return std::nullopt;
}

std::optional<QString> readText(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString || value.toString().size() > longestText)
        return std::nullopt;
    return value.toString();
}

} // namespace

QSettings programSettings(const char* name)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kalvo"),
                     QStringLiteral("kalvo-") + QLatin1String(name));
}

WindowSettings startSettings(const Program& program)
{
    WindowSettings settings;
    settings.inputMemory.resize(static_cast<size_t>(program.highestTopologyNumber()));
    for (const Topology& topology : program.topologies)
        for (int row = 0; row < maxInputFields; ++row)
            if (topology.defaults[row] != nullptr)
                settings.inputMemory[topology.number - 1][row] = QString::fromUtf8(topology.defaults[row]);
    return settings;
}

WindowSettings loadWindowSettings(const Program& program)
{
    WindowSettings settings = startSettings(program);
    const QSettings stored = programSettings(program.name);
    if (stored.status() != QSettings::NoError)
        return settings;

    const std::optional<int> topology = readInt(stored.value(topologyKey));
    if (topology && program.topologyByNumber(*topology) != nullptr)
        settings.topologyNumber = topology;
    settings.moreDigits = readBool(stored.value(moreDigitsKey)).value_or(false);
    if (hasAngleChoice(program))
        settings.radians = readBool(stored.value(radiansKey)).value_or(false);
    for (const Topology& t : program.topologies) {
        auto& remembered = settings.inputMemory[t.number - 1];
        for (int row = 0; row < program.rememberedFields; ++row)
            remembered[row] = readText(stored.value(inputKey(t.number, row))).value_or(remembered[row]);
    }
    return settings;
}

// Written whole, so no value of an older run stays behind.
void saveWindowSettings(const Program& program, const WindowSettings& settings)
{
    QSettings stored = programSettings(program.name);
    stored.clear();
    if (settings.topologyNumber)
        stored.setValue(topologyKey, *settings.topologyNumber);
    stored.setValue(moreDigitsKey, settings.moreDigits);
    if (hasAngleChoice(program))
        stored.setValue(radiansKey, settings.radians);
    for (const Topology& t : program.topologies)
        for (int row = 0; row < program.rememberedFields; ++row)
            stored.setValue(inputKey(t.number, row), settings.inputMemory[t.number - 1][row]);
}

QString windowSettingsFile(const Program& program)
{
    return programSettings(program.name).fileName();
}

} // namespace kalvo

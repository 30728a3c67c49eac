#include "json_report.h"

#include <QJsonArray>

#include <cmath>

namespace kalvo {

QJsonValue jsonNumber(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject reportJson(const Program& program, const Topology& topology, const CalculationInput& input,
                       const Report& report, bool withText)
{
    QJsonArray inputs;
    for (int field = 1; field <= topology.visibleInputs; ++field)
        inputs.append(QJsonObject{{QStringLiteral("field"), field},
                                  {QStringLiteral("label"), topology.fieldLabel(field)},
                                  {QStringLiteral("unit"), QString::fromUtf8(topology.unit(field).shown)},
                                  {QStringLiteral("text"), input.text(field)}});
    QJsonArray quantities;
    for (const Quantity& q : report.quantities)
        quantities.append(QJsonObject{{QStringLiteral("key"), q.key},
                                      {QStringLiteral("value"), jsonNumber(q.value)},
                                      {QStringLiteral("unit"), q.unit},
                                      {QStringLiteral("shown"), q.shown},
                                      {QStringLiteral("shownUnit"), q.shownUnit},
                                      {QStringLiteral("block"), q.block},
                                      {QStringLiteral("description"), q.description}});
    QJsonObject object{{QStringLiteral("program"), QString::fromUtf8(program.name)},
                       {QStringLiteral("topology"), QString::fromUtf8(topology.buttonText)},
                       {QStringLiteral("inputs"), inputs},
                       {QStringLiteral("quantities"), quantities},
                       {QStringLiteral("warnings"), QJsonArray::fromStringList(report.warnings)},
                       {QStringLiteral("ok"), report.ok}};
    if (withText)
        object.insert(QStringLiteral("report"), report.text);
    return object;
}

QJsonObject fieldSolverJson(const Report& check)
{
    if (!check.ok)
        return {{QStringLiteral("error"), check.text.section(QLatin1Char('\n'), -1)}};
    QJsonObject object;
    QJsonObject differences;
    for (const Quantity& q : check.quantities) {
        if (q.key == QLatin1String("err"))
            object.insert(QStringLiteral("estimatedError"), jsonNumber(q.value / 100.0));
        else if (q.key.startsWith(QLatin1Char('d')))
            differences.insert(q.key.mid(1), jsonNumber(q.value));
        else
            object.insert(q.key, jsonNumber(q.value));
    }
    object.insert(QStringLiteral("differences"), differences);
    if (!check.warnings.isEmpty())
        object.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(check.warnings));
    return object;
}

} // namespace kalvo

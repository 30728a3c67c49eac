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

} // namespace kalvo

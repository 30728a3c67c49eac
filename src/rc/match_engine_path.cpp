#include "match_engine_path.h"

#include "formula_engine.h"
#include "match_network.h"

#include <new>
#include <string>

namespace kalvo::rc {
namespace {

constexpr std::size_t engineVariables = 16;

// The element formulas, R1 to R3, written for the engine.
constexpr std::array<const char*, 3> tFormulas{
    "Za*(di*k*(di-2)+1)/(k*(di*di*k-1))",
    "Za*(2*di)/(di*di*k-1)",
    "Za*(di*(di*k-2)+1)/(di*di*k-1)",
};
constexpr std::array<const char*, 3> piFormulas{
    "Ze*(di*di*k-1.0)/(di*(di*k-2.0)+1.0)",
    "Ze*(di*di*k-1.0)/(2.0*di)",
    "Ze*(k*(di*di*k-1.0))/(k*di*(di-2.0)+1.0)",
};

QString failureReport()
{
    return QStringLiteral("Failure in calculation, probably wrong inputs!");
}

// Texts go to the engine as 8-bit text of any length; characters outside Latin-1 become
// "?", which the engine rejects.
std::string engineText(const QString& text)
{
    return text.toLatin1().toStdString();
}

QString exponentText(double v)
{
    return QString::number(v, 'e', 16);
}

// Stores a formula as a variable. The definition's own check does not matter (an invalid
// formula is stored marked and fails every evaluation naming it), but a formula that is
// not stored at all, being too long for the engine, would leave the previous
// calculation's value in place.
bool define(FormulaEngine& engine, const QString& formula, std::string_view name)
{
    const EngineError code = engine.defineVariable(engineText(formula), name, true);
    return code != EngineError::ArgumentTooBig && code != EngineError::OutOfMemory
        && code != EngineError::MaxVariablesReached;
}

struct ComplexResult {
    double re = 0.0;
    double im = 0.0;
};

bool evaluate(const FormulaEngine& engine, const QString& formula, ComplexResult& result)
{
    return engine.evaluateComplex(engineText(formula), result.re, result.im) == EngineError::None;
}

} // namespace

QString complexMatchReport(const CalculationInput& input, Network network, double d, double p, double di)
{
    if (input.engine == nullptr)
        return failureReport();
    FormulaEngine& engine = *input.engine;
    const QString ze = input.text(2);
    const QString za = input.text(3);

    bool ok = di != 1.0; // no network for a loss of 0 dB
    ComplexResult k;
    ok = evaluate(engine, QStringLiteral("(") + za + QStringLiteral(")/(") + ze + QStringLiteral(")"), k) && ok;
    ok = define(engine,
                QStringLiteral("(") + exponentText(k.re) + QStringLiteral("+") + exponentText(k.im)
                    + QStringLiteral("i)"),
                "k")
        && ok;
    ok = define(engine, exponentText(di), "di") && ok;
    if (network == Network::T)
        ok = define(engine, QStringLiteral("(") + za + QStringLiteral(")"), "Za") && ok;
    else
        ok = define(engine, QStringLiteral("(") + ze + QStringLiteral(")"), "Ze") && ok;

    const auto num = [&](double v) { return formatNumber(v, input.format); };
    QString elements;
    const auto& formulas = elementFormulas(network);
    for (std::size_t i = 0; i < formulas.size(); ++i) {
        ComplexResult r;
        ok = evaluate(engine, QLatin1String(formulas[i]), r) && ok;
        elements += QStringLiteral("\nR") + QString::number(i + 1) + QStringLiteral("\t= ") + num(r.re)
            + QStringLiteral(" + ") + num(r.im) + QStringLiteral("\ti  [Ohm]");
    }
    if (!ok)
        return failureReport();
    return QStringLiteral("\nd\t= ") + num(d) + QStringLiteral("\t[db]\nd\t= ") + num(p)
        + QStringLiteral("\t[]\n\nComplex Solution:") + elements
        + QStringLiteral("\n\nPositive real part, positive imaginary part: RL serial Impedance\n"
                         "Positive real part, negative imaginary part: RC serial Impedance\n"
                         "Negative real part: Negative resistor would be needed, they are not easy to build "
                         "(NIC needed) ");
}

const std::array<const char*, 3>& elementFormulas(Network network)
{
    return network == Network::T ? tFormulas : piFormulas;
}

std::shared_ptr<FormulaEngine> createMatchingEngine()
{
    try {
        return std::make_shared<FormulaEngine>(engineVariables);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace kalvo::rc

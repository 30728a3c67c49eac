#include "match_engine_path.h"

#include "formula_engine.h"
#include "match_network.h"

#include <array>
#include <new>
#include <string>
#include <string_view>

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

// The variables a calculation stores in the engine.
constexpr std::array<std::string_view, 4> storedVariables{"k", "di", "Za", "Ze"};

Report failureReport(const CalculationInput& input)
{
    ReportBuilder report(input.format, input.detail);
    report.failure(QStringLiteral("Failure in calculation, probably wrong inputs!"));
    return report.take();
}

// An impedance formula may name a variable a previous calculation stored; removing them
// first makes such a formula fail every time instead of reading that calculation's
// values, so the report depends on its inputs alone.
void forgetPreviousCalculation(FormulaEngine& engine)
{
    for (const std::string_view name : storedVariables)
        engine.removeVariable(name);
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

Report complexMatchReport(const CalculationInput& input, Network network, double d, double p, double di)
{
    if (input.engine == nullptr)
        return failureReport(input);
    FormulaEngine& engine = *input.engine;
    forgetPreviousCalculation(engine);
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

    const auto& formulas = elementFormulas(network);
    std::array<ComplexResult, 3> elements;
    for (std::size_t i = 0; i < formulas.size(); ++i)
        ok = evaluate(engine, QLatin1String(formulas[i]), elements[i]) && ok;
    if (!ok)
        return failureReport(input);

    ReportBuilder report(input.format, input.detail);
    report << "\nd\t= ";
    report.number("d", d, units::decibel) << "\t[db]\nd\t= ";
    report.number("d_ratio", p, units::ratio) << "\t[]\n\n";
    report.warning(QStringLiteral("Complex Solution:"));
    report.block(QStringLiteral("Complex Solution"));
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const QString name = QStringLiteral("R") + QString::number(i + 1);
        report << "\n" << name << "\t= ";
        report.number(name, elements[i].re, units::ohm) << " + ";
        report.number(name + QStringLiteral("_im"), elements[i].im, units::ohm) << "\ti  [Ohm]";
    }
    report.block(QString());
    report << "\n\nPositive real part, positive imaginary part: RL serial Impedance\n"
              "Positive real part, negative imaginary part: RC serial Impedance\n"
              "Negative real part: Negative resistor would be needed, they are not easy to build (NIC needed) ";
    return report.take();
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

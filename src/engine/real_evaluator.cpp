#include "real_evaluator.h"

#include "engine_math.h"
#include "formula_scanner.h"
#include "real_functions.h"
#include "term_reduction.h"

#include <array>
#include <cmath>

namespace kalvo::formula {

namespace {

// Every intermediate result must be finite in single precision when floatCheck is on.
EngineError store(const EvaluationContext& context, double computed, double& destination)
{
    if (context.options.floatCheck && !finiteInSinglePrecision(computed))
        return EngineError::FloatOverflow;
    destination = computed;
    return EngineError::None;
}

struct RealMode {
    using Value = double;
    static constexpr std::array<int, 4> passes{3, 2, 1, 0};

    static EngineError scan(EvaluationContext& context, std::string_view text, std::vector<Term<double>>& terms)
    {
        return scanFormula(context, text, terms);
    }

    static EngineError applyFunction(EvaluationContext& context, Term<double>& term)
    {
        double result = 0.0;
        const EngineError error
            = applyRealFunction(static_cast<Function>(term.code), term.value, context.options.degreeMode, result);
        return error != EngineError::None ? error : store(context, result, term.value);
    }

    static EngineError applySign(EvaluationContext&, Term<double>& term)
    {
        if (term.negate)
            term.value = -term.value;
        return EngineError::None;
    }

    static EngineError applyOperator(EvaluationContext& context, Term<double>& left, std::uint8_t code,
                                     const Term<double>& right)
    {
        double result = 0.0;
        const EngineError error = applyRealOperator(static_cast<Operator>(code), left.value, right.value, result);
        return error != EngineError::None ? error : store(context, result, left.value);
    }

    static EngineError checkResult(const EvaluationContext& context, double value)
    {
        if (context.options.floatCheck)
            return finiteInSinglePrecision(value) ? EngineError::None : EngineError::FloatOverflow;
        return std::isfinite(value) ? EngineError::None : EngineError::InfiniteResult;
    }
};

} // namespace

EngineError evaluateRealFormula(EvaluationContext& context, std::string_view formula, double& value)
{
    return evaluateFormula<RealMode>(context, formula, value);
}

} // namespace kalvo::formula

#include "complex_evaluator.h"

#include "complex_functions.h"
#include "engine_math.h"
#include "formula_scanner.h"
#include "term_reduction.h"

#include <array>

namespace kalvo::formula {

namespace {

bool finiteInSinglePrecision(ComplexValue value)
{
    return formula::finiteInSinglePrecision(value.re) && formula::finiteInSinglePrecision(value.im);
}

EngineError store(const EvaluationContext& context, ComplexValue computed, ComplexValue& destination)
{
    if (context.options.floatCheck && !finiteInSinglePrecision(computed))
        return EngineError::InfiniteResult;
    destination = computed;
    return EngineError::None;
}

struct ComplexMode {
    using Value = ComplexValue;
    // The exponent operator binds before the postfixes "i" and "dg", these before "<d"/"<r".
    static constexpr std::array<int, 6> passes{4, postfixPass, 3, 2, 1, 0};

    static EngineError scan(EvaluationContext& context, std::string_view text, std::vector<Term<Value>>& terms)
    {
        return scanFormula(context, text, terms);
    }

    static EngineError applyFunction(EvaluationContext& context, Term<Value>& term)
    {
        ComplexValue result;
        const EngineError error = applyComplexFunction(static_cast<Function>(term.code), term.value, result);
        return error != EngineError::None ? error : store(context, result, term.value);
    }

    // Negation subtracts from zero so that a zero part stays +0: -1 must lie on the
    // upper side of the branch cut of LOG and ARG (arg -1 is pi, not -pi).
    static EngineError applySign(EvaluationContext&, Term<Value>& term)
    {
        if (term.negate)
            term.value = {0.0 - term.value.re, 0.0 - term.value.im};
        return EngineError::None;
    }

    // "i" multiplies by the imaginary unit, "dg" converts degrees to radians; both need a
    // real operand.
    static EngineError applyPostfixes(EvaluationContext& context, Term<Value>& term)
    {
        if (term.modifiers & postfixImaginary) {
            if (!term.value.isReal())
                return EngineError::RealOnly;
            if (EngineError error = store(context, {0.0, term.value.re}, term.value); error != EngineError::None)
                return error;
        }
        if (term.modifiers & postfixDegrees) {
            if (!term.value.isReal())
                return EngineError::RealOnly;
            if (EngineError error = store(context, {term.value.re * radiansPerDegree, 0.0}, term.value);
                error != EngineError::None)
                return error;
        }
        term.modifiers = 0;
        return EngineError::None;
    }

    static EngineError applyOperator(EvaluationContext& context, Term<Value>& left, std::uint8_t code,
                                     const Term<Value>& right)
    {
        const auto op = static_cast<Operator>(code);
        std::uint8_t remainingPostfixes = 0;
        if (op == Operator::Exponent) {
            // The postfixes of the left number belong to it; those of the exponent apply
            // to the whole product (1.5e3i is 1500i).
            if (EngineError error = applyPostfixes(context, left); error != EngineError::None)
                return error;
            remainingPostfixes = right.modifiers;
        }
        ComplexValue result;
        const EngineError error = applyComplexOperator(op, left.value, right.value, result);
        if (error != EngineError::None)
            return error;
        left.modifiers = remainingPostfixes;
        return store(context, result, left.value);
    }

    static EngineError checkResult(const EvaluationContext& context, ComplexValue value)
    {
        if (context.options.floatCheck && !finiteInSinglePrecision(value))
            return EngineError::InfiniteResult;
        return EngineError::None;
    }
};

} // namespace

EngineError evaluateComplexFormula(EvaluationContext& context, std::string_view formula, ComplexValue& value)
{
    return evaluateFormula<ComplexMode>(context, formula, value);
}

} // namespace kalvo::formula

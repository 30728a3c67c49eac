#include "integer_evaluator.h"

#include "engine_math.h"
#include "integer_format.h"
#include "integer_scanner.h"
#include "integer_word.h"
#include "real_evaluator.h"
#include "term_reduction.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace kalvo::formula {

namespace {

IntegerWord wordOf(const EvaluationContext& context)
{
    return IntegerWord(context.options.wordBits, context.options.unsignedMode != 0);
}

// D2F: the IEEE single-precision bit pattern of a real formula's value.
EngineError floatBits(EvaluationContext& context, std::string_view formula, IntegerValue& value)
{
    double real = 0.0;
    const EngineError error = evaluateRealFormula(context, formula, real);
    if (error == EngineError::IntegerSyntax)
        return EngineError::Syntax;
    if (error != EngineError::None)
        return error;
    if (!finiteInSinglePrecision(real))
        return EngineError::FloatOverflow;
    const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(real));
    return wordOf(context).fromPattern(Natural(bits), value);
}

struct IntegerMode {
    using Value = IntegerValue;
    static constexpr std::array<int, 4> passes{3, 2, 1, 0};

    static EngineError scan(EvaluationContext& context, std::string_view text, std::vector<Term<Value>>& terms)
    {
        return scanIntegerFormula(context, wordOf(context), text, terms);
    }

    // The argument of D2F is a real formula; every other pending text is read here.
    static std::optional<EngineError> evaluateOutsideMode(EvaluationContext& context, Term<Value>& term)
    {
        if (term.code != static_cast<std::uint8_t>(IntegerFunction::FloatBits))
            return std::nullopt;
        return floatBits(context, term.text, term.value);
    }

    static EngineError applyFunction(EvaluationContext& context, Term<Value>& term)
    {
        return wordOf(context).applyFunction(static_cast<IntegerFunction>(term.code), term.value);
    }

    // Numbers are read without a sign, so a decimal number is checked against the word
    // only here: -128 fits a signed byte although 128 does not.
    static EngineError applySign(EvaluationContext& context, Term<Value>& term)
    {
        const IntegerWord word = wordOf(context);
        if (term.modifiers & invertBits) {
            if (EngineError error = word.checkRange(term.value); error != EngineError::None)
                return error;
            if (EngineError error = word.applyFunction(IntegerFunction::Invert, term.value); error != EngineError::None)
                return error;
        }
        return term.negate ? word.negate(term.value) : word.checkRange(term.value);
    }

    static EngineError applyOperator(EvaluationContext& context, Term<Value>& left, std::uint8_t code,
                                     const Term<Value>& right)
    {
        IntegerValue result;
        const EngineError error
            = wordOf(context).applyOperator(static_cast<IntegerOperator>(code), left.value, right.value, result);
        if (error == EngineError::None)
            left.value = std::move(result);
        return error;
    }

    static EngineError checkResult(const EvaluationContext&, const Value&) { return EngineError::None; }
};

} // namespace

EngineError evaluateIntegerFormula(EvaluationContext& context, std::string_view formula, std::string& text)
{
    IntegerValue value;
    const EngineError error = evaluateFormula<IntegerMode>(context, formula, value);
    if (error != EngineError::None || context.checkingDefinition())
        return error;
    return formatIntegerResult(wordOf(context), value, context.options, text);
}

} // namespace kalvo::formula

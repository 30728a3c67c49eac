#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

namespace kalvo::formula {

enum class TermKind : std::uint8_t {
    Operator,
    Pending, // a bracket, function argument or variable formula still to be evaluated
    Value,
};

// Bits of Term::modifiers: what is still to be applied to an operand.
inline constexpr std::uint8_t postfixImaginary = 1; // complex: number followed by "i"
inline constexpr std::uint8_t postfixDegrees = 2; // complex: number followed by "dg"
inline constexpr std::uint8_t invertBits = 4; // integer: prefix "!"

// One entry of the flat term list an evaluator invocation builds from its text.
template <class Value>
struct Term {
    TermKind kind = TermKind::Value;
    std::uint8_t code = 0; // operator or function code of the evaluation mode
    std::uint8_t priority = 0; // operators only
    bool negate = false; // an odd number of unary minus signs stood in front
    std::uint8_t modifiers = 0;
    std::string_view text; // pending terms: the text to evaluate
    Value value{};

    bool isOperator() const { return kind == TermKind::Operator; }
};

template <class Value>
Term<Value> operatorTerm(std::uint8_t code, std::uint8_t priority)
{
    Term<Value> term;
    term.kind = TermKind::Operator;
    term.code = code;
    term.priority = priority;
    return term;
}

template <class Value>
Term<Value> pendingTerm(std::uint8_t code, std::string_view text)
{
    Term<Value> term;
    term.kind = TermKind::Pending;
    term.code = code;
    term.text = text;
    return term;
}

template <class Value>
Term<Value> valueTerm(Value value)
{
    Term<Value> term;
    term.value = std::move(value);
    return term;
}

} // namespace kalvo::formula

#pragma once

#include "engine_error.h"
#include "evaluation_context.h"
#include "formula_codes.h"
#include "term.h"

#include <string_view>
#include <utility>
#include <vector>

namespace kalvo::formula {

// Marks the pass of a mode's pass list that applies the postfixes of the operands.
inline constexpr int postfixPass = -1;

// Evaluates text: scans it into a term list and reduces that to one value. Mode supplies
// the value type, the scanner, the functions and operators (see real_evaluator.cpp,
// complex_evaluator.cpp, integer_evaluator.cpp). Every bracket, function argument and
// variable formula is an invocation of its own that counts against the context's call
// depth; the nested invocations are kept on a heap stack, so the deepest allowed
// nesting needs no more machine stack than a flat formula.
template <class Mode>
EngineError evaluateFormula(EvaluationContext& context, std::string_view text, typename Mode::Value& result);

namespace detail {

// Checks the order operand (operator operand)* with unary "+" and "-" allowed in front of
// every operand, stores an odd count of minus signs in the operand and removes the signs.
template <class Value>
EngineError removeSigns(std::vector<Term<Value>>& terms)
{
    std::size_t write = 0;
    bool expectOperand = true;
    bool negate = false;
    for (std::size_t read = 0; read < terms.size(); ++read) {
        Term<Value>& term = terms[read];
        if (expectOperand && term.isOperator()) {
            if (term.priority != signPriority)
                return EngineError::Syntax;
            if (term.code == static_cast<std::uint8_t>(Operator::Subtract))
                negate = !negate;
            continue;
        }
        if (expectOperand) {
            term.negate = negate;
            negate = false;
        } else if (!term.isOperator()) {
            return EngineError::Syntax;
        }
        expectOperand = !expectOperand;
        if (write != read)
            terms[write] = std::move(term);
        ++write;
    }
    if (expectOperand)
        return EngineError::Syntax;
    terms.resize(write);
    return EngineError::None;
}

// Combines every operator of one priority with its neighbours, grouping from the left.
template <class Mode>
EngineError reducePriority(EvaluationContext& context, std::vector<Term<typename Mode::Value>>& terms, int priority)
{
    std::size_t current = 0;
    for (std::size_t next = 1; next < terms.size(); next += 2) {
        if (terms[next].priority == priority) {
            const EngineError error = Mode::applyOperator(context, terms[current], terms[next].code, terms[next + 1]);
            if (error != EngineError::None)
                return error;
            continue;
        }
        if (current + 1 != next) {
            terms[current + 1] = std::move(terms[next]);
            terms[current + 2] = std::move(terms[next + 1]);
        }
        current += 2;
    }
    terms.resize(current + 1);
    return EngineError::None;
}

// Scanning and the sign check: everything before the pending terms are evaluated.
template <class Mode>
EngineError prepareTerms(EvaluationContext& context, std::string_view text,
                         std::vector<Term<typename Mode::Value>>& terms)
{
    if (EngineError error = Mode::scan(context, text, terms); error != EngineError::None)
        return error;
    return terms.empty() ? EngineError::None : removeSigns(terms);
}

// Functions, signs and the binary passes, once every pending term has its value.
template <class Mode>
EngineError finishReduction(EvaluationContext& context, std::vector<Term<typename Mode::Value>>& terms,
                            typename Mode::Value& result)
{
    for (std::size_t i = 0; i < terms.size(); i += 2) {
        if (terms[i].kind != TermKind::Pending)
            continue;
        if (EngineError error = Mode::applyFunction(context, terms[i]); error != EngineError::None)
            return error;
    }
    for (std::size_t i = 0; i < terms.size(); i += 2)
        if (EngineError error = Mode::applySign(context, terms[i]); error != EngineError::None)
            return error;
    for (int pass : Mode::passes) {
        EngineError error = EngineError::None;
        if constexpr (requires { Mode::applyPostfixes(context, terms.front()); }) {
            if (pass == postfixPass) {
                for (std::size_t i = 0; i < terms.size() && error == EngineError::None; i += 2)
                    error = Mode::applyPostfixes(context, terms[i]);
            } else {
                error = reducePriority<Mode>(context, terms, pass);
            }
        } else {
            error = reducePriority<Mode>(context, terms, pass);
        }
        if (error != EngineError::None)
            return error;
    }
    result = std::move(terms.front().value);
    return Mode::checkResult(context, result);
}

} // namespace detail

template <class Mode>
EngineError evaluateFormula(EvaluationContext& context, std::string_view text, typename Mode::Value& result)
{
    using Value = typename Mode::Value;
    // One open invocation: its terms, the next term to look at, where its value goes.
    struct Invocation {
        std::vector<Term<Value>> terms;
        std::size_t next = 0;
        Value* destination = nullptr;
    };
    std::vector<Invocation> open;
    const auto begin = [&](std::string_view invocationText, Value& destination) {
        destination = {};
        if (++context.callDepth > maxCallDepth)
            return EngineError::StackDepth;
        Invocation invocation;
        invocation.destination = &destination;
        const EngineError error = detail::prepareTerms<Mode>(context, invocationText, invocation.terms);
        if (error == EngineError::None)
            open.push_back(std::move(invocation)); // moving keeps the terms' storage in place
        return error;
    };

    if (EngineError error = begin(text, result); error != EngineError::None)
        return error;
    while (!open.empty()) {
        Invocation& current = open.back();
        while (current.next < current.terms.size() && current.terms[current.next].kind != TermKind::Pending)
            ++current.next;
        if (current.next < current.terms.size()) {
            Term<Value>& pending = current.terms[current.next++];
            EngineError error = EngineError::None;
            if constexpr (requires { Mode::evaluateOutsideMode(context, pending); }) {
                if (const auto outside = Mode::evaluateOutsideMode(context, pending))
                    error = *outside;
                else
                    error = begin(pending.text, pending.value);
            } else {
                error = begin(pending.text, pending.value);
            }
            if (error != EngineError::None)
                return error;
            continue;
        }
        Invocation finished = std::move(current);
        open.pop_back();
        // A definition check reads everything but computes nothing; an empty formula
        // (or one of spaces) is 0.
        if (context.checkingDefinition() || finished.terms.empty())
            continue;
        if (EngineError error = detail::finishReduction<Mode>(context, finished.terms, *finished.destination);
            error != EngineError::None)
            return error;
    }
    return EngineError::None;
}

} // namespace kalvo::formula

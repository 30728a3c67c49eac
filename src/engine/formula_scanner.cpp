#include "formula_scanner.h"

#include "engine_math.h"
#include "formula_codes.h"
#include "text_scanning.h"

#include <type_traits>

namespace kalvo::formula {

namespace {

enum class WordKind : std::uint8_t { Function, Operator, Pi };

struct Word {
    std::string_view text;
    WordKind kind;
    std::uint8_t code;
    bool complexOnly = false;
};

constexpr Word functionWord(std::string_view text, Function code, bool complexOnly = false)
{
    return {text, WordKind::Function, static_cast<std::uint8_t>(code), complexOnly};
}

// Tested in this order; a longer name comes before every name it begins with.
constexpr Word words[] = {
    functionWord("ABS(", Function::Abs),
    functionWord("ACOSH(", Function::Acosh),
    functionWord("ACOS(", Function::Acos),
    functionWord("ARGD(", Function::ArgDegrees, true),
    functionWord("ARG(", Function::Arg, true),
    functionWord("ASINH(", Function::Asinh),
    functionWord("ASIN(", Function::Asin),
    functionWord("ATANH(", Function::Atanh),
    functionWord("ATAN(", Function::Atan),
    functionWord("CONJ(", Function::Conj, true),
    functionWord("COSH(", Function::Cosh),
    functionWord("COS(", Function::Cos),
    functionWord("DB10(", Function::Db10),
    functionWord("DB(", Function::Db),
    functionWord("DEG(", Function::Deg),
    functionWord("EXP(", Function::Exp),
    functionWord("FACT(", Function::Fact),
    functionWord("IDB10(", Function::Idb10),
    functionWord("IDB(", Function::Idb),
    functionWord("IM(", Function::Im, true),
    functionWord("INT(", Function::Int),
    functionWord("LNGAMMA(", Function::LnGamma),
    functionWord("LOG10(", Function::Log10),
    functionWord("LOG(", Function::Log),
    {"nPr", WordKind::Operator, static_cast<std::uint8_t>(Operator::Permutations)},
    {"nCr", WordKind::Operator, static_cast<std::uint8_t>(Operator::Combinations)},
    {"PI", WordKind::Pi, 0},
    functionWord("RAD(", Function::Rad),
    functionWord("RE(", Function::Re, true),
    functionWord("SIG(", Function::Sig),
    functionWord("SQRT(", Function::Sqrt),
    functionWord("SQR(", Function::Sqrt),
    functionWord("SINH(", Function::Sinh),
    functionWord("SIN(", Function::Sin),
    functionWord("TANH(", Function::Tanh),
    functionWord("TAN(", Function::Tan),
};

// Number prefixes and operators of integer mode.
constexpr std::string_view integerWords[] = {
    "0b", "0o", "0x", "0d", "0a", "0r", "D2F", "!", "SWP", "&&", "!&", "||", "!|", "^^", "!^", ">>", "<<", "<L<", ">R>",
};

std::uint8_t priorityOf(Operator op, bool complex)
{
    switch (op) {
    case Operator::Add:
    case Operator::Subtract:
        return signPriority;
    case Operator::Multiply:
    case Operator::Divide:
    case Operator::Remainder:
        return 1;
    case Operator::Power:
    case Operator::Parallel:
    case Operator::Permutations:
    case Operator::Combinations:
        return 2;
    case Operator::PolarDegrees:
    case Operator::PolarRadians:
        return 3;
    case Operator::Exponent:
        return complex ? 4 : 3;
    }
    return 0;
}

template <class Value>
class Scanner {
public:
    Scanner(const EvaluationContext& context, std::string_view text, std::vector<Term<Value>>& terms)
        : context_(context)
        , text_(text)
        , terms_(terms)
    {
    }

    EngineError run();

private:
    static constexpr bool complex = std::is_same_v<Value, ComplexValue>;

    bool at(std::string_view token) const { return text_.substr(p_).starts_with(token); }
    bool lastIsValue() const { return !terms_.empty() && terms_.back().kind == TermKind::Value; }
    void appendOperator(Operator op)
    {
        terms_.push_back(operatorTerm<Value>(static_cast<std::uint8_t>(op), priorityOf(op, complex)));
    }
    void appendImplicitProduct()
    {
        if (lastIsValue())
            appendOperator(Operator::Multiply);
    }

    EngineError readToken();
    EngineError readWord(const Word& word);
    EngineError readFunction(Function code);
    EngineError readName();
    EngineError readNumber();

    const EvaluationContext& context_;
    std::string_view text_;
    std::vector<Term<Value>>& terms_;
    std::size_t p_ = 0;
};

template <class Value>
EngineError Scanner<Value>::run()
{
    while (p_ < text_.size()) {
        if (p_ > maxScanPosition)
            return EngineError::InternalStructure;
        if (EngineError error = readToken(); error != EngineError::None)
            return error;
    }
    return EngineError::None;
}

template <class Value>
EngineError Scanner<Value>::readToken()
{
    const char c = text_[p_];
    if (c == ' ') {
        ++p_;
        return EngineError::None;
    }
    if constexpr (complex) {
        if (c == 'i') {
            terms_.push_back(valueTerm(Value{0.0, 1.0}));
            ++p_;
            return EngineError::None;
        }
    }
    switch (c) {
    case '+':
        appendOperator(Operator::Add);
        ++p_;
        return EngineError::None;
    case '-':
        appendOperator(Operator::Subtract);
        ++p_;
        return EngineError::None;
    case '*':
        appendOperator(Operator::Multiply);
        ++p_;
        return EngineError::None;
    case '/':
        appendOperator(at("//") ? Operator::Parallel : Operator::Divide);
        p_ += at("//") ? 2 : 1;
        return EngineError::None;
    case '%':
        appendOperator(Operator::Remainder);
        ++p_;
        return EngineError::None;
    case '^':
        appendOperator(Operator::Power);
        ++p_;
        return EngineError::None;
    case '(':
        return readFunction(Function::Bracket);
    default:
        break;
    }
    if constexpr (complex) {
        if (at("<d") || at("<r")) {
            appendOperator(at("<d") ? Operator::PolarDegrees : Operator::PolarRadians);
            p_ += 2;
            return EngineError::None;
        }
    }
    for (const Word& word : words)
        if ((complex || !word.complexOnly) && at(word.text))
            return readWord(word);
    for (std::string_view word : integerWords)
        if (at(word))
            return EngineError::IntegerSyntax;
    if (startsName(static_cast<unsigned char>(c)))
        return readName();
    return readNumber();
}

template <class Value>
EngineError Scanner<Value>::readWord(const Word& word)
{
    switch (word.kind) {
    case WordKind::Operator:
        appendOperator(static_cast<Operator>(word.code));
        p_ += word.text.size();
        return EngineError::None;
    case WordKind::Pi:
        appendImplicitProduct();
        terms_.push_back(valueTerm(Value{pi}));
        p_ += word.text.size();
        return EngineError::None;
    case WordKind::Function:
        break;
    }
    p_ += word.text.size() - 1; // to the bracket
    return readFunction(static_cast<Function>(word.code));
}

template <class Value>
EngineError Scanner<Value>::readFunction(Function code)
{
    if (code == Function::Bracket)
        appendImplicitProduct();
    std::string_view inner;
    if (EngineError error = readBracket(text_, p_, inner, p_); error != EngineError::None)
        return error;
    terms_.push_back(pendingTerm<Value>(static_cast<std::uint8_t>(code), inner));
    return EngineError::None;
}

template <class Value>
EngineError Scanner<Value>::readName()
{
    const Variable* variable = nullptr;
    if (EngineError error = findVariable(context_, text_.substr(p_), variable); error != EngineError::None)
        return error;
    appendImplicitProduct();
    terms_.push_back(pendingTerm<Value>(static_cast<std::uint8_t>(Function::Bracket), variable->formula));
    p_ += variable->name.size();
    return EngineError::None;
}

template <class Value>
EngineError Scanner<Value>::readNumber()
{
    double number = 0.0;
    if (EngineError error = readDecimalNumber(text_, p_, number); error != EngineError::None)
        return error;
    if (context_.options.floatCheck && !finiteInSinglePrecision(number))
        return EngineError::FloatOverflow;
    Term<Value> term = valueTerm(Value{number});
    if constexpr (complex) {
        if (at("i")) {
            term.modifiers |= postfixImaginary;
            p_ = skipSpaces(text_, p_ + 1);
        }
        if (at("dg")) {
            term.modifiers |= postfixDegrees;
            p_ = skipSpaces(text_, p_ + 2);
        }
    }
    terms_.push_back(term);
    if (at("E") || at("e")) {
        appendOperator(Operator::Exponent);
        ++p_;
    }
    return EngineError::None;
}

} // namespace

bool beginsWithFunctionWord(std::string_view text)
{
    for (const Word& word : words)
        if (text.starts_with(word.text))
            return true;
    return false;
}

template <class Value>
EngineError scanFormula(const EvaluationContext& context, std::string_view text, std::vector<Term<Value>>& terms)
{
    return Scanner<Value>(context, text, terms).run();
}

template EngineError scanFormula(const EvaluationContext&, std::string_view, std::vector<Term<double>>&);
template EngineError scanFormula(const EvaluationContext&, std::string_view, std::vector<Term<ComplexValue>>&);

} // namespace kalvo::formula

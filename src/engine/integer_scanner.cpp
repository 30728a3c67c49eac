#include "integer_scanner.h"

#include "formula_codes.h"
#include "formula_scanner.h"
#include "roman_numerals.h"
#include "text_scanning.h"

#include <string>
#include <utility>

namespace kalvo::formula {

namespace {

struct IntegerOperatorWord {
    std::string_view text;
    IntegerOperator op;
    std::uint8_t priority;
};

// Longer operators before those they begin with.
constexpr IntegerOperatorWord operatorWords[] = {
    {"<L<", IntegerOperator::RotateLeft, 2},
    {">R>", IntegerOperator::RotateRight, 2},
    {"&&", IntegerOperator::And, 2},
    {"||", IntegerOperator::Or, 2},
    {"^^", IntegerOperator::Xor, 2},
    {"!&", IntegerOperator::Nand, 2},
    {"!|", IntegerOperator::Nor, 2},
    {"!^", IntegerOperator::Equivalence, 2},
    {">>", IntegerOperator::ShiftRight, 2},
    {"<<", IntegerOperator::ShiftLeft, 2},
    {"^", IntegerOperator::Power, 3},
    {"+", IntegerOperator::Add, signPriority},
    {"-", IntegerOperator::Subtract, signPriority},
    {"*", IntegerOperator::Multiply, 1},
    {"/", IntegerOperator::Divide, 1},
    {"%", IntegerOperator::Remainder, 1},
};

struct IntegerFunctionWord {
    std::string_view text;
    IntegerFunction function;
};

constexpr IntegerFunctionWord functionWords[] = {
    {"!(", IntegerFunction::Invert},       {"(", IntegerFunction::Bracket},  {"ABS(", IntegerFunction::Abs},
    {"D2F(", IntegerFunction::FloatBits},  {"FACT(", IntegerFunction::Fact}, {"SIG(", IntegerFunction::Sig},
    {"SWP(", IntegerFunction::SwapHalves},
};

enum class NumberBase : std::uint8_t { Decimal, Binary, Octal, Hexadecimal, Roman, Character };

struct NumberPrefix {
    std::string_view text;
    NumberBase base;
};

constexpr NumberPrefix numberPrefixes[] = {
    {"0d", NumberBase::Decimal},     {"0b", NumberBase::Binary}, {"0o", NumberBase::Octal},
    {"0x", NumberBase::Hexadecimal}, {"0r", NumberBase::Roman},  {"0a", NumberBase::Character},
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isAlphanumeric(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

unsigned digitValue(char c)
{
    if (isDigit(c))
        return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned>(c - 'a' + 10);
    return static_cast<unsigned>(c - 'A' + 10);
}

unsigned radixOf(NumberBase base)
{
    switch (base) {
    case NumberBase::Binary:
        return 2;
    case NumberBase::Octal:
        return 8;
    case NumberBase::Hexadecimal:
        return 16;
    default:
        return 10;
    }
}

class IntegerScanner {
public:
    IntegerScanner(const EvaluationContext& context, const IntegerWord& word, std::string_view text,
                   std::vector<Term<IntegerValue>>& terms)
        : context_(context)
        , word_(word)
        , text_(text)
        , terms_(terms)
    {
    }

    EngineError run();

private:
    bool at(std::string_view token) const { return text_.substr(p_).starts_with(token); }
    EngineError readToken();
    EngineError appendOperator(const IntegerOperatorWord& word);
    void appendOperand(Term<IntegerValue> term);
    EngineError readFunction(IntegerFunction function);
    EngineError readName();
    EngineError readDecimal();
    EngineError readPrefixedNumber(NumberBase base);
    // Accumulates digits of radix into magnitude, giving up with BinOverflow once the
    // number is far beyond any word.
    EngineError accumulate(std::string_view digits, unsigned radix, Natural& magnitude) const;

    const EvaluationContext& context_;
    const IntegerWord& word_;
    std::string_view text_;
    std::vector<Term<IntegerValue>>& terms_;
    std::size_t p_ = 0;
    bool invertNext_ = false;
};

EngineError IntegerScanner::run()
{
    while (p_ < text_.size()) {
        if (p_ > maxScanPosition)
            return EngineError::InternalStructure;
        if (EngineError error = readToken(); error != EngineError::None)
            return error;
    }
    return invertNext_ ? EngineError::Syntax : EngineError::None;
}

EngineError IntegerScanner::readToken()
{
    const char c = text_[p_];
    if (c == ' ') {
        ++p_;
        return EngineError::None;
    }
    for (const IntegerOperatorWord& word : operatorWords)
        if (at(word.text))
            return appendOperator(word);
    for (const IntegerFunctionWord& word : functionWords)
        if (at(word.text))
            return readFunction(word.function);
    if (c == '!') {
        invertNext_ = !invertNext_;
        ++p_;
        return EngineError::None;
    }
    if (beginsWithFunctionWord(text_.substr(p_)))
        return EngineError::IntegerOnly;
    for (const NumberPrefix& prefix : numberPrefixes)
        if (at(prefix.text))
            return readPrefixedNumber(prefix.base);
    if (isDigit(c))
        return readDecimal();
    if (c == '.' || c == ',')
        return EngineError::NoIntegerNumber;
    if (startsName(static_cast<unsigned char>(c)))
        return readName();
    return EngineError::Syntax;
}

EngineError IntegerScanner::appendOperator(const IntegerOperatorWord& word)
{
    if (invertNext_)
        return EngineError::Syntax; // "!" must stand directly before an operand
    terms_.push_back(operatorTerm<IntegerValue>(static_cast<std::uint8_t>(word.op), word.priority));
    p_ += word.text.size();
    return EngineError::None;
}

void IntegerScanner::appendOperand(Term<IntegerValue> term)
{
    const bool afterValue = !terms_.empty() && terms_.back().kind == TermKind::Value;
    if (afterValue && term.kind == TermKind::Pending
        && term.code == static_cast<std::uint8_t>(IntegerFunction::Bracket))
        terms_.push_back(operatorTerm<IntegerValue>(static_cast<std::uint8_t>(IntegerOperator::Multiply), 1));
    if (invertNext_)
        term.modifiers |= invertBits;
    invertNext_ = false;
    terms_.push_back(std::move(term));
}

EngineError IntegerScanner::readFunction(IntegerFunction function)
{
    std::string_view inner;
    const std::size_t open = text_.find('(', p_);
    if (EngineError error = readBracket(text_, open, inner, p_); error != EngineError::None)
        return error;
    appendOperand(pendingTerm<IntegerValue>(static_cast<std::uint8_t>(function), inner));
    return EngineError::None;
}

EngineError IntegerScanner::readName()
{
    const Variable* variable = nullptr;
    if (EngineError error = findVariable(context_, text_.substr(p_), variable); error != EngineError::None)
        return error;
    appendOperand(pendingTerm<IntegerValue>(static_cast<std::uint8_t>(IntegerFunction::Bracket), variable->formula));
    p_ += variable->name.size();
    return EngineError::None;
}

EngineError IntegerScanner::accumulate(std::string_view digits, unsigned radix, Natural& magnitude) const
{
    for (char c : digits) {
        if (c == ' ')
            continue;
        const unsigned digit = digitValue(c);
        if (digit >= radix)
            return EngineError::Base;
        magnitude.multiplyAdd(radix, digit);
        if (magnitude.bitLength() > word_.bits() + 1)
            return EngineError::BinOverflow;
    }
    return EngineError::None;
}

EngineError IntegerScanner::readDecimal()
{
    const std::size_t start = p_;
    while (p_ < text_.size() && (isDigit(text_[p_]) || text_[p_] == ' '))
        ++p_;
    Term<IntegerValue> term;
    if (EngineError error = accumulate(text_.substr(start, p_ - start), 10, term.value.magnitude);
        error != EngineError::None)
        return error;
    appendOperand(std::move(term));
    return EngineError::None;
}

EngineError IntegerScanner::readPrefixedNumber(NumberBase base)
{
    p_ += 2;
    Term<IntegerValue> term;
    if (base == NumberBase::Character) {
        if (p_ >= text_.size())
            return EngineError::Syntax;
        term.value.magnitude = Natural(static_cast<unsigned char>(text_[p_++]));
        appendOperand(std::move(term));
        return EngineError::None;
    }
    p_ = skipSpaces(text_, p_);
    std::string digits;
    for (; p_ < text_.size() && (isAlphanumeric(text_[p_]) || text_[p_] == ' '); ++p_)
        if (text_[p_] != ' ')
            digits += text_[p_];
    if (digits.empty())
        return EngineError::Syntax;
    if (base == NumberBase::Roman) {
        const auto value = fromRoman(digits);
        if (!value)
            return EngineError::Base;
        term.value.magnitude = Natural(*value);
    } else if (EngineError error = accumulate(digits, radixOf(base), term.value.magnitude);
               error != EngineError::None) {
        return error;
    }
    // Binary, octal and hexadecimal numbers are bit patterns of the word.
    if (base != NumberBase::Decimal && base != NumberBase::Roman) {
        const Natural pattern = term.value.magnitude;
        if (EngineError error = word_.fromPattern(pattern, term.value); error != EngineError::None)
            return error;
    }
    appendOperand(std::move(term));
    return EngineError::None;
}

} // namespace

EngineError scanIntegerFormula(const EvaluationContext& context, const IntegerWord& word, std::string_view text,
                               std::vector<Term<IntegerValue>>& terms)
{
    return IntegerScanner(context, word, text, terms).run();
}

} // namespace kalvo::formula

#pragma once

#include "formula_engine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace kalvo::test {

// A GoogleTest parameter name made from a formula: letters and digits kept, every other
// character spelled out, the case number appended so that names stay unique.
inline std::string caseName(std::string_view formula, std::size_t index)
{
    std::string name;
    for (unsigned char c : formula) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            name += static_cast<char>(c);
            continue;
        }
        switch (c) {
        case '+':
            name += "Plus";
            break;
        case '-':
            name += "Minus";
            break;
        case '*':
            name += "Times";
            break;
        case '/':
            name += "Over";
            break;
        case '^':
            name += "Pow";
            break;
        case '(':
            name += "L";
            break;
        case ')':
            name += "R";
            break;
        case ' ':
            name += "Sp";
            break;
        case '.':
            name += "Dot";
            break;
        case ',':
            name += "Comma";
            break;
        default: {
            char hex[4];
            std::snprintf(hex, sizeof hex, "x%02X", c);
            name += hex;
        }
        }
    }
    return name + "_" + std::to_string(index);
}

// Formula with its expected real value; tolerance 0 demands the exact double.
struct RealCase {
    std::string_view formula;
    double expected;
    double tolerance = 0.0;
};

// Formulas evaluated with evaluateReal; the test itself is in parser_test.cpp, the
// cases are instantiated wherever they belong.
class RealValue : public testing::TestWithParam<RealCase> { };

struct ComplexCase {
    std::string_view formula;
    double re;
    double im;
    double tolerance = 0.0;
};

struct ErrorCase {
    std::string_view formula;
    EngineError code;
};

template <class Case>
std::string nameOf(const testing::TestParamInfo<Case>& info)
{
    return caseName(info.param.formula, info.index);
}

} // namespace kalvo::test

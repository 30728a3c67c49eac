#pragma once

#include "engine_error.h"
#include "evaluation_context.h"
#include "variable_table.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvo {

// A formula calculator with a table of named formulas (variables). Formulas are read
// with real or complex arithmetic; a formula that uses a base prefix or a bit operator is
// computed in integer mode, whose result is text. Every operation returns an EngineError;
// errorText gives its message. Not thread-safe.
class FormulaEngine {
public:
    static constexpr std::size_t maxFormulaLength = 30000;

    // Room for maxVariables variables; hasVariableTable() tells whether it was allocated.
    explicit FormulaEngine(std::size_t maxVariables);

    bool hasVariableTable() const { return variables_.allocated(); }
    std::size_t maxVariables() const { return variables_.capacity(); }
    std::size_t variableCount() const { return variables_.size(); }

    // Integer mode: bits per value (kept within 1..8192), text form of the result,
    // unsigned values when unsignedMode is nonzero, leading-zero option D of output modes
    // 0 to 2, and radix of output mode 4 (kept within 2..36).
    void setIntegerOptions(int wordBits, int outputMode, int unsignedMode, char optionD, int outputBase);
    // Each sets its flag from 0 or 1 and leaves it as it is for any other value.
    void setDegreeMode(std::uint8_t flag);
    void setFloatCheck(std::uint8_t flag);
    const EngineOptions& options() const { return options_; }

    // Stores formula as the variable name. With evaluateNow the formula is then checked
    // by reading it and everything it references without computing anything; a formula
    // that fails the check stays stored, marked invalid with "? " in front, and its
    // error is returned.
    EngineError defineVariable(std::string_view formula, std::string_view name, bool evaluateNow);
    // On failure the outputs are 0. integerText receives the result text when the
    // formula was computed in integer mode (the numeric outputs are then 0), else it is
    // left empty.
    EngineError evaluateComplex(std::string_view formula, double& re, double& im, std::string& integerText) const;
    EngineError evaluateComplex(std::string_view formula, double& re, double& im) const;
    EngineError evaluateReal(std::string_view formula, double& value, std::string& integerText) const;
    EngineError evaluateReal(std::string_view formula, double& value) const;
    EngineError removeVariable(std::string_view name);
    // The stored formula, including an invalid marker.
    EngineError variableFormula(std::string_view name, std::string& formula) const;
    void clearVariables() { variables_.clear(); }

private:
    EngineError checkedReal(std::string_view formula, std::string_view definingName, double& value,
                            std::string& integerText) const;
    EngineError checkedComplex(std::string_view formula, std::string_view definingName, double& re, double& im,
                               std::string& integerText) const;
    EngineError evaluateInteger(std::string_view formula, std::string_view definingName,
                                std::string& integerText) const;

    VariableTable variables_;
    EngineOptions options_;
};

} // namespace kalvo

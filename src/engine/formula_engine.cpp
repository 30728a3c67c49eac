#include "formula_engine.h"

#include "complex_evaluator.h"
#include "integer_evaluator.h"
#include "integer_word.h"
#include "real_evaluator.h"
#include "variable_names.h"

#include <algorithm>
#include <new>

namespace kalvo {

namespace {

void setFlag(bool& flag, std::uint8_t value)
{
    if (value == 0 || value == 1)
        flag = value == 1;
}

} // namespace

FormulaEngine::FormulaEngine(std::size_t maxVariables)
    : variables_(maxVariables)
{
}

void FormulaEngine::setIntegerOptions(int wordBits, int outputMode, int unsignedMode, char optionD, int outputBase)
{
    options_.wordBits = std::clamp(wordBits, 1, formula::IntegerWord::maxBits);
    options_.outputMode = outputMode;
    options_.unsignedMode = unsignedMode;
    options_.optionD = optionD;
    options_.outputBase = std::clamp(outputBase, 2, 36);
}

void FormulaEngine::setDegreeMode(std::uint8_t flag)
{
    setFlag(options_.degreeMode, flag);
}

void FormulaEngine::setFloatCheck(std::uint8_t flag)
{
    setFlag(options_.floatCheck, flag);
}

EngineError FormulaEngine::defineVariable(std::string_view formula, std::string_view name, bool evaluateNow)
{
    if (name.empty())
        return EngineError::Syntax;
    if (!isValidVariableName(name))
        return EngineError::VariableNotValid;
    if (formula.size() > maxFormulaLength)
        return EngineError::ArgumentTooBig;
    try {
        if (EngineError error = variables_.store(name, formula); error != EngineError::None)
            return error;
    } catch (const std::bad_alloc&) {
        return EngineError::OutOfMemory;
    }
    if (!evaluateNow)
        return EngineError::None;

    double re = 0.0;
    double im = 0.0;
    std::string integerText;
    EngineError error = checkedReal(formula, name, re, integerText);
    if (error != EngineError::None && error != EngineError::CircularDefinition)
        error = checkedComplex(formula, name, re, im, integerText);
    if (error != EngineError::None)
        variables_.markInvalid(name);
    return error;
}

EngineError FormulaEngine::evaluateComplex(std::string_view formula, double& re, double& im,
                                           std::string& integerText) const
{
    return checkedComplex(formula, {}, re, im, integerText);
}

EngineError FormulaEngine::evaluateComplex(std::string_view formula, double& re, double& im) const
{
    std::string integerText;
    return checkedComplex(formula, {}, re, im, integerText);
}

EngineError FormulaEngine::evaluateReal(std::string_view formula, double& value, std::string& integerText) const
{
    return checkedReal(formula, {}, value, integerText);
}

EngineError FormulaEngine::evaluateReal(std::string_view formula, double& value) const
{
    std::string integerText;
    return checkedReal(formula, {}, value, integerText);
}

EngineError FormulaEngine::removeVariable(std::string_view name)
{
    return variables_.remove(name) ? EngineError::None : EngineError::NoVariableMatch;
}

EngineError FormulaEngine::variableFormula(std::string_view name, std::string& formula) const
{
    const Variable* variable = variables_.find(name);
    if (!variable)
        return EngineError::NoVariableMatch;
    formula = variable->formula;
    return EngineError::None;
}

EngineError FormulaEngine::checkedReal(std::string_view formula, std::string_view definingName, double& value,
                                       std::string& integerText) const
{
    value = 0.0;
    integerText.clear();
    EngineError error = EngineError::OutOfMemory;
    try {
        EvaluationContext context{variables_, options_, definingName};
        error = formula::evaluateRealFormula(context, formula, value);
        if (error == EngineError::IntegerSyntax)
            error = evaluateInteger(formula, definingName, integerText);
    } catch (const std::bad_alloc&) {
    }
    if (error != EngineError::None)
        value = 0.0;
    return error;
}

EngineError FormulaEngine::checkedComplex(std::string_view formula, std::string_view definingName, double& re,
                                          double& im, std::string& integerText) const
{
    re = 0.0;
    im = 0.0;
    integerText.clear();
    EngineError error = EngineError::OutOfMemory;
    try {
        EvaluationContext context{variables_, options_, definingName};
        ComplexValue value;
        error = formula::evaluateComplexFormula(context, formula, value);
        if (error == EngineError::None) {
            re = value.re;
            im = value.im;
        } else if (error == EngineError::IntegerSyntax) {
            error = evaluateInteger(formula, definingName, integerText);
        }
    } catch (const std::bad_alloc&) {
    }
    return error;
}

EngineError FormulaEngine::evaluateInteger(std::string_view formula, std::string_view definingName,
                                           std::string& integerText) const
{
    EvaluationContext context{variables_, options_, definingName};
    const EngineError error = formula::evaluateIntegerFormula(context, formula, integerText);
    if (error != EngineError::None)
        integerText.clear();
    return error;
}

} // namespace kalvo

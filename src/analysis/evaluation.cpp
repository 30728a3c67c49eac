#include "evaluation.h"

#include <QLocale>

#include <cmath>

#include <utility>

namespace kalvo::analysis {

Evaluation::Evaluation(const Program& program, const Topology& topology, CalculationInput input)
    : program_(program)
    , topology_(topology)
    , input_(std::move(input))
{
    input_.topology = &topology_;
    if (program_.createEngine != nullptr) {
        engine = program_.createEngine();
        input_.engine = engine.get();
    }
    repeatedInput = input_;
    repeatedInput.repeated = true;
    for (int n = 1; n <= maxInputFields; ++n) {
        bool isNumber = false;
        repeatedInput.numbers[static_cast<size_t>(n - 1)] = repeatedInput.text(n).toDouble(&isNumber);
        if (isNumber)
            repeatedInput.numberFields |= 1u << (n - 1);
    }
    repeatedInput.readFields = (1u << maxInputFields) - 1u;
}

Report Evaluation::at(int field, double value, ReportDetail detail)
{
    if (field < 1 || field > maxInputFields)
        return {};
    while (repeatedInput.texts.size() < field)
        repeatedInput.texts.append(QString());
    const QString previous = repeatedInput.texts[field - 1];
    const auto slot = static_cast<size_t>(field - 1);
    const double previousNumber = repeatedInput.numbers[slot];
    const unsigned previousRead = repeatedInput.readFields;
    const unsigned previousNumbers = repeatedInput.numberFields;
    const unsigned bit = 1u << slot;
    repeatedInput.texts[field - 1] = fieldText(value);
    // The text of a finite value reads back as exactly value, so the number stands for
    // it; "nan" and "inf" are left to QString::toDouble.
    if (std::isfinite(value)) {
        repeatedInput.numbers[slot] = value;
        repeatedInput.numberFields |= bit;
    } else
        repeatedInput.readFields &= ~bit;
    repeatedInput.detail = detail;
    Report result = topology_.report != nullptr ? topology_.report(repeatedInput) : Report{};
    repeatedInput.texts[field - 1] = previous;
    repeatedInput.numbers[slot] = previousNumber;
    repeatedInput.readFields = previousRead;
    repeatedInput.numberFields = previousNumbers;
    return result;
}

Report Evaluation::report()
{
    return topology_.report != nullptr ? topology_.report(input_) : Report{};
}

QString fieldText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

int findField(const Topology& topology, const QString& name)
{
    const QString wanted = name.trimmed();
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= topology.visibleInputs ? number : 0;
    for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (int n = 1; n <= topology.visibleInputs; ++n)
            if (!topology.fieldLabel(n).isEmpty() && topology.fieldLabel(n).compare(wanted, sensitivity) == 0)
                return n;
    return 0;
}

} // namespace kalvo::analysis

#include "evaluation.h"

#include <QLocale>

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
}

Report Evaluation::at(int field, double value)
{
    const QString previous = input_.texts.value(field - 1);
    while (input_.texts.size() < field)
        input_.texts.append(QString());
    input_.texts[field - 1] = fieldText(value);
    const bool given = std::exchange(input_.repeated, true);
    Report result = report();
    input_.repeated = given;
    input_.texts[field - 1] = previous;
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

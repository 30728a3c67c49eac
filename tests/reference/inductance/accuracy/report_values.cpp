#include "report_values.h"

#include "inductance_program.h"

#include <stdexcept>

namespace kalvo::accuracy {

Report inductanceReport(int topology, std::initializer_list<double> fields)
{
    const Program& program = inductanceProgram();
    CalculationInput input = program.startInput(*program.topologyByNumber(topology), true);
    int n = 0;
    for (const double field : fields)
        input.texts[n++] = QString::number(field, 'g', 17);
    return input.topology->report(input);
}

double inductanceValue(int topology, std::initializer_list<double> fields, const char* key)
{
    const Report report = inductanceReport(topology, fields);
    const Quantity* quantity = report.quantity(QString::fromUtf8(key));
    if (quantity == nullptr)
        throw std::logic_error(key);
    return quantity->value;
}

} // namespace kalvo::accuracy

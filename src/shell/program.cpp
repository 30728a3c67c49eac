#include "program.h"

namespace kalvo {

CalculationInput Program::startInput(const Topology& topology, bool moreDigits) const
{
    CalculationInput input;
    for (int row = 0; row < layout.inputRows; ++row) {
        const char* shown = row < rememberedFields ? topology.defaults[static_cast<size_t>(row)] : nullptr;
        input.texts.append(QString::fromUtf8(shown));
    }
    input.format = numberFormat(moreDigits);
    input.topology = &topology;
    return input;
}

} // namespace kalvo

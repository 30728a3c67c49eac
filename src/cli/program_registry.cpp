#include "program_registry.h"

#include "ee_program.h"
#include "impedance_program.h"
#include "inductance_program.h"
#include "rc_program.h"
#include "xy_program.h"

namespace kalvo {

std::span<const Program* const> calculatorPrograms()
{
    static const Program* const programs[] = {
        &rcProgram(), &impedanceProgram(), &eeProgram(), &inductanceProgram(), &xyProgram(),
    };
    return programs;
}

} // namespace kalvo

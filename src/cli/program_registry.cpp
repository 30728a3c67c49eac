#include "program_registry.h"

#include "rc_program.h"

namespace kalvo {

std::span<const Program* const> calculatorPrograms()
{
    static const Program* const programs[] = {
        &rcProgram(),
    };
    return programs;
}

} // namespace kalvo

// The formula engine: up to three formulas separated by zero bytes, defined as variables
// and evaluated with real and complex arithmetic, in default and integer settings.
#include "engine_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return kalvo::fuzzEngineOnce(data, size);
}

#pragma once

#include <cstddef>
#include <cstdint>

namespace kalvo {

// One fuzzing run over the engine: the bytes are split at the first two zero bytes into
// up to three formulas; the first two are defined as variables "a" and "b", then every
// part is evaluated both ways, in the default settings and again with floatCheck on and
// a 64-bit signed integer word. Returns 0 (the convention of fuzzing drivers); a fault
// shows as a crash or a sanitizer report.
int fuzzEngineOnce(const std::uint8_t* data, std::size_t size);

} // namespace kalvo

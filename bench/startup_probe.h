#pragma once

#include <optional>

namespace kalvo::bench {

// `kalvo-bench --first-frame-of=NAME` is one start of a program with window NAME (see
// windowKinds()): the program entry every kalvo program uses, which prints the monotonic
// clock and the process's CPU time in nanoseconds once the window's first frame is
// painted, and quits. Returns the
// exit code for that command line, nothing for any other.
std::optional<int> runStartupProbe(int argc, char** argv);

} // namespace kalvo::bench

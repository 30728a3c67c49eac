#pragma once

#include <QString>

#include <optional>

namespace kalvo::analysis {

// A number with an optional SI prefix as engineers type it: "50", "-2.2n", "10u", "1k",
// "4k7" (the prefix as decimal point: 4.7k), "1meg", "1e-3". Prefixes: f p n u µ m
// (milli) k K M (mega) meg MEG (mega) G T. Empty when the text is not such a number.
std::optional<double> parseEngineeringNumber(const QString& text);

} // namespace kalvo::analysis

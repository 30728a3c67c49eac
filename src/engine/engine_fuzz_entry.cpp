#include "engine_fuzz_entry.h"

#include "formula_engine.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

namespace {

std::vector<std::string_view> splitAtZeros(std::string_view bytes, std::size_t maxParts)
{
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < maxParts) {
        const std::size_t zero = bytes.find('\0');
        if (zero == std::string_view::npos)
            break;
        parts.push_back(bytes.substr(0, zero));
        bytes.remove_prefix(zero + 1);
    }
    parts.push_back(bytes);
    return parts;
}

void exercise(FormulaEngine& engine, const std::vector<std::string_view>& parts)
{
    static constexpr std::string_view names[] = {"a", "b"};
    for (std::size_t i = 0; i + 1 < parts.size() && i < std::size(names); ++i)
        engine.defineVariable(parts[i], names[i], true);
    for (std::string_view part : parts) {
        double re = 0.0;
        double im = 0.0;
        std::string text;
        engine.evaluateComplex(part, re, im, text);
        engine.evaluateReal(part, re, text);
    }
}

} // namespace

int fuzzEngineOnce(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> parts = splitAtZeros(bytes, 3);

    FormulaEngine engine(16);
    exercise(engine, parts);
    engine.setFloatCheck(1);
    engine.setIntegerOptions(64, static_cast<int>(size % 8), 0, static_cast<char>(size % 2), 16);
    exercise(engine, parts);
    return 0;
}

} // namespace kalvo

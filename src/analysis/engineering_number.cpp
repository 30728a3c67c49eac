#include "engineering_number.h"

#include <algorithm>
#include <array>

namespace kalvo::analysis {
namespace {

struct Prefix {
    const char* text;
    double factor;
};

// Longest first, so that "meg" is not read as "m".
constexpr std::array<Prefix, 13> prefixes{{{"meg", 1e6},
                                           {"MEG", 1e6},
                                           {"f", 1e-15},
                                           {"p", 1e-12},
                                           {"n", 1e-9},
                                           {"u", 1e-6},
                                           {"\u00b5", 1e-6},
                                           {"m", 1e-3},
                                           {"k", 1e3},
                                           {"K", 1e3},
                                           {"M", 1e6},
                                           {"G", 1e9},
                                           {"T", 1e12}}};

std::optional<double> plainNumber(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && !text.isEmpty() ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<double> parseEngineeringNumber(const QString& typed)
{
    const QString text = typed.trimmed();
    if (const std::optional<double> value = plainNumber(text))
        return value;
    for (const Prefix& prefix : prefixes) {
        const QString symbol = QString::fromUtf8(prefix.text);
        const qsizetype at = text.indexOf(symbol);
        if (at <= 0)
            continue;
        const QString before = text.left(at);
        const QString after = text.mid(at + symbol.size());
        // "4k7": the digits after the prefix are the decimals.
        const bool decimals = !after.isEmpty() && !before.contains(QLatin1Char('.'))
            && std::all_of(after.begin(), after.end(), [](QChar c) { return c.isDigit(); });
        if (!after.isEmpty() && !decimals)
            continue;
        if (const std::optional<double> value = plainNumber(decimals ? before + QLatin1Char('.') + after : before))
            return *value * prefix.factor;
    }
    return std::nullopt;
}

} // namespace kalvo::analysis

#include "c_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace kalvo {
namespace {

// Long enough for any double in fixed form with the largest precision accepted.
constexpr int kMaxPrecision = 60;
using NumberBuffer = std::array<char, 400>;

struct Conversion {
    int width = 0;
    int precision = -1; // -1: the conversion's default
    char kind = 0; // 'd', 'g', 'f' or 'e'
};

double asDouble(const CFormatArgument& argument)
{
    return std::visit([](auto value) { return static_cast<double>(value); }, argument);
}

long long asInteger(const CFormatArgument& argument)
{
    if (const int* value = std::get_if<int>(&argument))
        return *value;
    const double value = std::get<double>(argument);
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(std::numeric_limits<int>::max()))
        return 0;
    return static_cast<long long>(value);
}

QString formatNumber(const Conversion& conversion, const CFormatArgument& argument)
{
    NumberBuffer buffer{};
    std::to_chars_result result{};
    if (conversion.kind == 'd') {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), asInteger(argument));
    } else {
        const int precision = conversion.precision < 0 ? 6 : std::min(conversion.precision, kMaxPrecision);
        const std::chars_format style = conversion.kind == 'f' ? std::chars_format::fixed
            : conversion.kind == 'e'                           ? std::chars_format::scientific
                                                               : std::chars_format::general;
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), asDouble(argument), style, precision);
    }
    const QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    return text.rightJustified(conversion.width, QLatin1Char(' '));
}

int readDigits(std::string_view format, std::size_t& position)
{
    int value = 0;
    while (position < format.size() && format[position] >= '0' && format[position] <= '9') {
        value = std::min(value * 10 + (format[position] - '0'), 1000);
        ++position;
    }
    return value;
}

// Reads the conversion after a '%' at position; kind stays 0 for an unknown one.
Conversion readConversion(std::string_view format, std::size_t& position)
{
    Conversion conversion;
    conversion.width = readDigits(format, position);
    if (position < format.size() && format[position] == '.') {
        ++position;
        conversion.precision = readDigits(format, position);
    }
    if (position < format.size() && format[position] == 'l')
        ++position;
    if (position < format.size() && std::string_view("dgfe").find(format[position]) != std::string_view::npos)
        conversion.kind = format[position++];
    return conversion;
}

} // namespace

QString cFormat(std::string_view format, std::initializer_list<CFormatArgument> arguments)
{
    QString text;
    auto next = arguments.begin();
    std::size_t position = 0;
    while (position < format.size()) {
        const std::size_t percent = std::min(format.find('%', position), format.size());
        const std::string_view literal = format.substr(position, percent - position);
        text += QString::fromUtf8(literal.data(), static_cast<qsizetype>(literal.size()));
        position = percent + 1;
        if (percent == format.size())
            break;
        if (position < format.size() && format[position] == '%') {
            text += QLatin1Char('%');
            ++position;
            continue;
        }
        const Conversion conversion = readConversion(format, position);
        if (conversion.kind != 0 && next != arguments.end())
            text += formatNumber(conversion, *next++);
    }
    return text;
}

QString formatLg(double value)
{
    return cFormat("%lg", {value});
}

} // namespace kalvo

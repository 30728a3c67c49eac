#include "fuzz_input.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kalvo::fuzz {

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size)
    : bytes(reinterpret_cast<const char*>(data), size)
{
}

std::uint8_t FuzzInput::takeByte()
{
    if (bytes.empty())
        return 0;
    const auto byte = static_cast<std::uint8_t>(bytes.front());
    bytes.remove_prefix(1);
    return byte;
}

double FuzzInput::takeDouble()
{
    char pattern[sizeof(double)] = {};
    const std::size_t taken = std::min(bytes.size(), sizeof pattern);
    std::memcpy(pattern, bytes.data(), taken);
    bytes.remove_prefix(taken);
    return std::bit_cast<double>(pattern);
}

std::vector<std::string_view> FuzzInput::takeParts(std::size_t maxParts)
{
    std::vector<std::string_view> parts;
    while (!bytes.empty() && parts.size() < maxParts) {
        const std::size_t zero = parts.size() + 1 < maxParts ? bytes.find('\0') : std::string_view::npos;
        parts.push_back(bytes.substr(0, zero));
        bytes.remove_prefix(zero == std::string_view::npos ? bytes.size() : zero + 1);
    }
    return parts;
}

QString decodeText(std::string_view bytes, bool latin1)
{
    const auto size = static_cast<qsizetype>(bytes.size());
    return latin1 ? QString::fromLatin1(bytes.data(), size) : QString::fromUtf8(bytes.data(), size);
}

} // namespace kalvo::fuzz

#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kalvo::fuzz {

// Reads a fuzzer's bytes from the front: single bytes for choices, then the rest as
// texts separated by zero bytes. Reading past the end gives zeros, so every input,
// however short, is a complete case.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size);

    std::uint8_t takeByte();
    // The next eight bytes as the bit pattern of a double (any value, NaNs included).
    double takeDouble();
    // What has not been taken.
    std::string_view rest() const { return bytes; }
    // The rest, split at zero bytes into at most maxParts parts (the last one keeps any
    // further zero bytes); empty when nothing is left.
    std::vector<std::string_view> takeParts(std::size_t maxParts);

private:
    std::string_view bytes;
};

// The bytes as text: each byte one character (Latin-1), or decoded as UTF-8 with
// invalid sequences replaced, as Qt decodes what a user types or a command line.
QString decodeText(std::string_view bytes, bool latin1);

} // namespace kalvo::fuzz

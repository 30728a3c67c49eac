#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

namespace kalvo {

// An unbounded non-negative integer, as integer mode needs for words of up to 8192 bits.
class Natural {
public:
    Natural() = default;
    explicit Natural(std::uint64_t value);
    static Natural powerOfTwo(unsigned exponent);

    bool isZero() const { return limbs_.empty(); }
    unsigned bitLength() const;
    bool bit(unsigned index) const;
    // The value when it fits into 64 bits, else UINT64_MAX.
    std::uint64_t toUint64Saturated() const;

    friend bool operator==(const Natural&, const Natural&) = default;
    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b);

    Natural& operator+=(const Natural& other);
    Natural& operator-=(const Natural& other); // other must not be larger
    friend Natural operator*(const Natural& a, const Natural& b);
    // Truncating division; divisor must not be zero.
    static void divide(const Natural& dividend, const Natural& divisor, Natural& quotient, Natural& remainder);

    // this = this * factor + addend, for reading digits.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend);
    // this = this / divisor, returning the remainder; for writing digits.
    std::uint32_t divideSmall(std::uint32_t divisor);

    Natural shiftedLeft(unsigned bits) const;
    Natural shiftedRight(unsigned bits) const;
    Natural lowBits(unsigned bits) const; // this mod 2^bits
    // Bitwise operations on the binary digits; complement inverts the lowest `bits` bits.
    friend Natural operator&(const Natural& a, const Natural& b);
    friend Natural operator|(const Natural& a, const Natural& b);
    friend Natural operator^(const Natural& a, const Natural& b);
    Natural complement(unsigned bits) const;

    // Digits in radix 2..36, most significant first, "0" for zero, upper-case letters.
    std::string toString(std::uint32_t radix) const;

private:
    void trim();

    std::vector<std::uint32_t> limbs_; // least significant first, no leading zero limbs
};

} // namespace kalvo

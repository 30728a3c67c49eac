#include "natural_number.h"

#include <algorithm>
#include <compare>
#include <limits>

namespace kalvo {

namespace {

constexpr unsigned limbBits = 32;

} // namespace

Natural::Natural(std::uint64_t value)
{
    while (value != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(value));
        value >>= limbBits;
    }
}

Natural Natural::powerOfTwo(unsigned exponent)
{
    Natural result;
    result.limbs_.assign(exponent / limbBits + 1, 0);
    result.limbs_.back() = std::uint32_t{1} << (exponent % limbBits);
    return result;
}

void Natural::trim()
{
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

unsigned Natural::bitLength() const
{
    if (limbs_.empty())
        return 0;
    unsigned top = 0;
    for (std::uint32_t limb = limbs_.back(); limb != 0; limb >>= 1)
        ++top;
    return static_cast<unsigned>(limbs_.size() - 1) * limbBits + top;
}

bool Natural::bit(unsigned index) const
{
    const std::size_t limb = index / limbBits;
    return limb < limbs_.size() && ((limbs_[limb] >> (index % limbBits)) & 1U) != 0;
}

std::uint64_t Natural::toUint64Saturated() const
{
    if (limbs_.size() > 2)
        return std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;)
        value = (value << limbBits) | limbs_[i];
    return value;
}

std::strong_ordering operator<=>(const Natural& a, const Natural& b)
{
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() <=> b.limbs_.size();
    for (std::size_t i = a.limbs_.size(); i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] <=> b.limbs_[i];
    return std::strong_ordering::equal;
}

Natural& Natural::operator+=(const Natural& other)
{
    limbs_.resize(std::max(limbs_.size(), other.limbs_.size()) + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        const std::uint64_t sum = carry + limbs_[i] + (i < other.limbs_.size() ? other.limbs_[i] : 0);
        limbs_[i] = static_cast<std::uint32_t>(sum);
        carry = sum >> limbBits;
    }
    trim();
    return *this;
}

Natural& Natural::operator-=(const Natural& other)
{
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::int64_t difference
            = static_cast<std::int64_t>(limbs_[i]) - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
        borrow = difference < 0 ? 1 : 0;
        if (difference < 0)
            difference += std::int64_t{1} << limbBits;
        limbs_[i] = static_cast<std::uint32_t>(difference);
    }
    trim();
    return *this;
}

Natural operator*(const Natural& a, const Natural& b)
{
    Natural product;
    if (a.isZero() || b.isZero())
        return product;
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            const std::uint64_t t = std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j] + carry;
            product.limbs_[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> limbBits;
        }
        product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    product.trim();
    return product;
}

void Natural::divide(const Natural& dividend, const Natural& divisor, Natural& quotient, Natural& remainder)
{
    // Binary long division: at most 8192 steps for the word sizes integer mode uses.
    quotient = Natural();
    remainder = Natural();
    const unsigned bits = dividend.bitLength();
    if (bits == 0)
        return;
    quotient.limbs_.assign((bits - 1) / limbBits + 1, 0);
    for (unsigned i = bits; i-- > 0;) {
        remainder = remainder.shiftedLeft(1);
        if (dividend.bit(i)) {
            if (remainder.limbs_.empty())
                remainder.limbs_.push_back(0);
            remainder.limbs_[0] |= 1U;
        }
        if (remainder >= divisor) {
            remainder -= divisor;
            quotient.limbs_[i / limbBits] |= std::uint32_t{1} << (i % limbBits);
        }
    }
    quotient.trim();
}

void Natural::multiplyAdd(std::uint32_t factor, std::uint32_t addend)
{
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t t = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(t);
        carry = t >> limbBits;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

std::uint32_t Natural::divideSmall(std::uint32_t divisor)
{
    std::uint64_t remainder = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        const std::uint64_t current = (remainder << limbBits) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(remainder);
}

Natural Natural::shiftedLeft(unsigned bits) const
{
    Natural result;
    if (isZero())
        return result;
    const unsigned limbShift = bits / limbBits;
    const unsigned bitShift = bits % limbBits;
    result.limbs_.assign(limbs_.size() + limbShift + 1, 0);
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        const std::uint64_t shifted = std::uint64_t{limbs_[i]} << bitShift;
        result.limbs_[i + limbShift] |= static_cast<std::uint32_t>(shifted);
        result.limbs_[i + limbShift + 1] |= static_cast<std::uint32_t>(shifted >> limbBits);
    }
    result.trim();
    return result;
}

Natural Natural::shiftedRight(unsigned bits) const
{
    Natural result;
    const unsigned limbShift = bits / limbBits;
    const unsigned bitShift = bits % limbBits;
    if (limbShift >= limbs_.size())
        return result;
    result.limbs_.assign(limbs_.size() - limbShift, 0);
    for (std::size_t i = 0; i < result.limbs_.size(); ++i) {
        std::uint64_t pair = limbs_[i + limbShift];
        if (i + limbShift + 1 < limbs_.size())
            pair |= std::uint64_t{limbs_[i + limbShift + 1]} << limbBits;
        result.limbs_[i] = static_cast<std::uint32_t>(pair >> bitShift);
    }
    result.trim();
    return result;
}

Natural Natural::lowBits(unsigned bits) const
{
    Natural result = *this;
    const std::size_t keep = (bits + limbBits - 1) / limbBits;
    if (result.limbs_.size() > keep)
        result.limbs_.resize(keep);
    if (bits % limbBits != 0 && result.limbs_.size() == keep)
        result.limbs_.back() &= (std::uint32_t{1} << (bits % limbBits)) - 1;
    result.trim();
    return result;
}

namespace {

template <class Combine>
void combineLimbs(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b, Combine combine,
                  std::vector<std::uint32_t>& out)
{
    out.assign(std::max(a.size(), b.size()), 0);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = combine(i < a.size() ? a[i] : 0, i < b.size() ? b[i] : 0);
}

} // namespace

Natural operator&(const Natural& a, const Natural& b)
{
    Natural result;
    combineLimbs(
        a.limbs_, b.limbs_, [](std::uint32_t x, std::uint32_t y) { return x & y; }, result.limbs_);
    result.trim();
    return result;
}

Natural operator|(const Natural& a, const Natural& b)
{
    Natural result;
    combineLimbs(
        a.limbs_, b.limbs_, [](std::uint32_t x, std::uint32_t y) { return x | y; }, result.limbs_);
    result.trim();
    return result;
}

Natural operator^(const Natural& a, const Natural& b)
{
    Natural result;
    combineLimbs(
        a.limbs_, b.limbs_, [](std::uint32_t x, std::uint32_t y) { return x ^ y; }, result.limbs_);
    result.trim();
    return result;
}

Natural Natural::complement(unsigned bits) const
{
    Natural result = *this;
    result.limbs_.resize((bits + limbBits - 1) / limbBits, 0);
    for (std::uint32_t& limb : result.limbs_)
        limb = ~limb;
    return result.lowBits(bits);
}

std::string Natural::toString(std::uint32_t radix) const
{
    if (isZero())
        return "0";
    static constexpr char digitChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string digits;
    Natural rest = *this;
    while (!rest.isZero())
        digits += digitChars[rest.divideSmall(radix)];
    std::reverse(digits.begin(), digits.end());
    return digits;
}

} // namespace kalvo

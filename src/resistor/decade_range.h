#pragma once

#include <array>

namespace kalvo {

// Which decades around the nominal value's own decade are searched.
enum class DecadeRange { OneDecade, TwoDecades, ThreeDecades, LowerDecade, SameDecade, HigherDecade };

inline constexpr std::array allDecadeRanges{DecadeRange::OneDecade,    DecadeRange::TwoDecades,
                                            DecadeRange::ThreeDecades, DecadeRange::LowerDecade,
                                            DecadeRange::SameDecade,   DecadeRange::HigherDecade};

// The searched decades relative to the nominal value's decade: the first one and how many.
struct DecadeSpan {
    int firstOffset = 0;
    int count = 0;
};

inline constexpr int maxDecades = 7;

DecadeSpan decadeSpan(DecadeRange range);

// The range's name as its radio button shows it ("1 Decade", ..., "+1").
const char* decadeRangeName(DecadeRange range);

} // namespace kalvo

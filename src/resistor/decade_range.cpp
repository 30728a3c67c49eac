#include "decade_range.h"

namespace kalvo {

DecadeSpan decadeSpan(DecadeRange range)
{
    switch (range) {
    case DecadeRange::OneDecade:
        return {-1, 3};
    case DecadeRange::TwoDecades:
        return {-2, 5};
    case DecadeRange::ThreeDecades:
        return {-3, maxDecades};
    case DecadeRange::LowerDecade:
        return {-1, 1};
    case DecadeRange::SameDecade:
        return {0, 1};
    case DecadeRange::HigherDecade:
        return {1, 1};
    }
    return {-2, 5};
}

const char* decadeRangeName(DecadeRange range)
{
    switch (range) {
    case DecadeRange::OneDecade:
        return "1 Decade";
    case DecadeRange::TwoDecades:
        return "2 Decades";
    case DecadeRange::ThreeDecades:
        return "3 Decades";
    case DecadeRange::LowerDecade:
        return "-1";
    case DecadeRange::SameDecade:
        return "0";
    case DecadeRange::HigherDecade:
        return "+1";
    }
    return "2 Decades";
}

} // namespace kalvo

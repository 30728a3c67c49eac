#pragma once

// Where the closed forms of kalvo-pcb's lines lie within 2 percent of the field solver,
// as bounds on the shape measured over each closed form's range (docs/ACCURACY.md has the
// figures; the pcb unit tests check the bounds). Plain C++, no solving.
namespace kalvo::pcb {

// A line's cross-section: height h (b between planes), widths and thickness in one unit.
struct LineShape {
    double height = 0.0;
    double w = 0.0;
    double s = 0.0;
    double t = 0.0;
    double er = 1.0;
};

inline constexpr const char* coplanarRangeText = "0 <= t <= s/2, 1 <= er.";
inline constexpr const char* kirschningJansenRangeText = "0.1 <= w/h <= 10, 0.1 <= s/h <= 10, 1 <= er <= 18.";
inline constexpr const char* cohnRangeText = "t/b <= 0.1.";

bool withinCoplanarRange(const LineShape& shape);
bool withinKirschningJansenRange(const LineShape& shape);
bool withinCohnRange(const LineShape& shape);

bool coplanarWithinTwoPercent(const LineShape& shape);
bool groundedCoplanarWithinTwoPercent(const LineShape& shape);
bool coupledMicrostripWithinTwoPercent(const LineShape& shape);
bool coupledStriplineWithinTwoPercent(const LineShape& shape);

} // namespace kalvo::pcb

#pragma once

#include "fits.h"
#include "histogram.h"
#include "stat_list.h"

#include <QString>

#include <optional>
#include <span>

namespace kalvo {

// The evaluations of the "Mode" group.
enum class StatMode { OneVar1, OneVar2, Linear, Quadratic, Power, Exponential, Histogram };

// A radio button of the "Mode" group: radioButton_<number> at row, column.
struct ModeButton {
    StatMode mode;
    int number;
    const char* text;
    int row;
    int column;
};

// A radio button of the "Sort" group.
struct SortButton {
    SortMode mode;
    int number;
    const char* text;
    int row;
    int column;
};

// In the order GO tests them.
std::span<const ModeButton> modeButtons();
std::span<const SortButton> sortButtons();

// The mode of radioButton_N of either group.
std::optional<StatMode> modeOfButton(int number);
std::optional<SortMode> sortModeOfButton(int number);

// The button of a mode or sort order.
const ModeButton& buttonOf(StatMode mode);
const SortButton& buttonOf(SortMode mode);

// A button's text (surrounding blanks ignored, any case) or the N of radioButton_N.
std::optional<StatMode> modeByName(const QString& name);
std::optional<SortMode> sortByName(const QString& name);

// What an evaluation produced.
struct ModeResult {
    QString text; // for the result panel
    bool restoreSortOrder = false; // the list must be sorted back to the sort mode
    std::optional<Histogram> histogram; // when one was drawn
};

// The fit a mode runs; nothing for the statistics and the histogram.
std::optional<FitKind> fitKind(StatMode mode);

// Runs one evaluation over the list (sorting or annotating it as the evaluation does).
ModeResult runMode(StatList& list, StatMode mode, int bins);

} // namespace kalvo

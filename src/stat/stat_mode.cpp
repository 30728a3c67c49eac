#include "stat_mode.h"

#include "fits.h"
#include "statistics.h"

#include <algorithm>
#include <array>

namespace kalvo {
namespace {

// The texts of radioButton_7 and radioButton_9 end with one blank.
constexpr std::array<ModeButton, 7> kModeButtons{{
    {StatMode::OneVar1, 7, "One Var 1 ", 0, 0},
    {StatMode::OneVar2, 9, "One Var 2 ", 1, 0},
    {StatMode::Linear, 8, "Y=a*x+b", 0, 1},
    {StatMode::Quadratic, 10, "Y=a*x^2+b*x+c", 1, 1},
    {StatMode::Power, 12, "Y=a*x^b", 2, 1},
    {StatMode::Exponential, 6, "Y=a*e^b*x", 3, 1},
    {StatMode::Histogram, 11, "Histo", 2, 0},
}};

constexpr std::array<SortButton, 5> kSortButtons{{
    {SortMode::Original, 1, "Original", 0, 0},
    {SortMode::ByX, 2, "X", 0, 1},
    {SortMode::ByY, 4, "Y", 1, 1},
    {SortMode::ByFailure, 3, "Failure", 0, 2},
    {SortMode::ByFailurePercent, 5, "Failure%", 1, 2},
}};

template <typename Button>
std::optional<decltype(Button::mode)> byNumber(std::span<const Button> buttons, int number)
{
    for (const Button& button : buttons)
        if (button.number == number)
            return button.mode;
    return std::nullopt;
}

// Every mode has its button in the tables above.
template <typename Button>
const Button& byMode(std::span<const Button> buttons, decltype(Button::mode) mode)
{
    return *std::find_if(buttons.begin(), buttons.end(), [mode](const Button& b) { return b.mode == mode; });
}

template <typename Button>
std::optional<decltype(Button::mode)> byName(std::span<const Button> buttons, const QString& name)
{
    const QString wanted = name.trimmed();
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber)
        return byNumber(buttons, number);
    for (const Button& button : buttons)
        if (QString::fromUtf8(button.text).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return button.mode;
    return std::nullopt;
}

} // namespace

std::optional<FitKind> fitKind(StatMode mode)
{
    switch (mode) {
    case StatMode::Linear:
        return FitKind::Linear;
    case StatMode::Quadratic:
        return FitKind::Quadratic;
    case StatMode::Power:
        return FitKind::Power;
    case StatMode::Exponential:
        return FitKind::Exponential;
    case StatMode::OneVar1:
    case StatMode::OneVar2:
    case StatMode::Histogram:
        break;
    }
    return std::nullopt;
}

std::span<const ModeButton> modeButtons()
{
    return kModeButtons;
}

std::span<const SortButton> sortButtons()
{
    return kSortButtons;
}

std::optional<StatMode> modeOfButton(int number)
{
    return byNumber(modeButtons(), number);
}

std::optional<SortMode> sortModeOfButton(int number)
{
    return byNumber(sortButtons(), number);
}

const ModeButton& buttonOf(StatMode mode)
{
    return byMode(modeButtons(), mode);
}

const SortButton& buttonOf(SortMode mode)
{
    return byMode(sortButtons(), mode);
}

std::optional<StatMode> modeByName(const QString& name)
{
    return byName(modeButtons(), name);
}

std::optional<SortMode> sortByName(const QString& name)
{
    return byName(sortButtons(), name);
}

ModeResult runMode(StatList& list, StatMode mode, int bins)
{
    ModeResult result;
    if (mode == StatMode::Histogram) {
        result.histogram = computeHistogram(list, bins);
        result.text = result.histogram ? histogramReport(*result.histogram) : tooFewForStatisticsMessage();
        return result;
    }
    std::optional<QString> report;
    if (const std::optional<FitKind> kind = fitKind(mode)) {
        report = fitReport(list, *kind);
        result.text = report.value_or(tooFewForFitMessage(*kind));
    } else {
        const auto variant = mode == StatMode::OneVar1 ? StatisticsVariant::OneVar1 : StatisticsVariant::OneVar2;
        report = statisticsReport(list, variant);
        result.text = report.value_or(tooFewForStatisticsMessage());
    }
    result.restoreSortOrder = report.has_value();
    return result;
}

} // namespace kalvo

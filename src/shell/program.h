#pragma once

#include "number_format.h"
#include "report.h"
#include "units.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <memory>
#include <span>

namespace kalvo {

class FormulaEngine; // the expression engine; only kalvo-rc's matching networks use one
struct Topology;

inline constexpr int maxInputFields = 6;

// Everything a report function reads: the input texts as typed, how numbers are
// printed, and the few choices some programs add.
struct CalculationInput {
    QStringList texts; // lineEdit_1, lineEdit_2, ... (hidden fields too)
    NumberFormat format;
    bool radians = false; // kalvo-xy: "Rad" checked in the "Angle" group
    FormulaEngine* engine = nullptr; // the window's engine where the program has one
    const Topology* topology = nullptr; // gives the fields' units to si()
    bool repeated = false; // solve and sweep: skip work that is not needed for most quantities
    ReportDetail detail = ReportDetail::Full; // ValuesOnly: no text, for readers of the values alone
    // Solve and sweep repeat a report thousands of times with one field changed: the
    // fields read once, so that value() need not parse every text again. Bit n - 1 of
    // readFields set: numbers[n - 1] is text(n).toDouble(), and bit n - 1 of
    // numberFields says whether the whole text was read. Whoever changes a text clears
    // its readFields bit or sets its number and numberFields bit.
    std::array<double, maxInputFields> numbers{};
    unsigned readFields = 0;
    unsigned numberFields = 0;

    // Text of input field n (1-based); empty when the field does not exist.
    QString text(int n) const { return n >= 1 && n <= texts.size() ? texts[n - 1] : QString(); }
    // Field n read the way every calculator reads it: QString::toDouble, 0 when not a number.
    double value(int n) const
    {
        if (n >= 1 && n <= maxInputFields && (readFields >> (n - 1) & 1u) != 0)
            return numbers[static_cast<size_t>(n - 1)];
        return text(n).toDouble();
    }
    // Field n read as value(n), with isNumber set as QString::toDouble sets its ok: false
    // for an empty text and for one that is not a number as a whole.
    double value(int n, bool& isNumber) const
    {
        if (n >= 1 && n <= maxInputFields && (readFields >> (n - 1) & 1u) != 0) {
            isNumber = (numberFields >> (n - 1) & 1u) != 0;
            return numbers[static_cast<size_t>(n - 1)];
        }
        return text(n).toDouble(&isNumber);
    }
    // Field n read as value(n), in the SI unit of the field's unit.
    double si(int n) const;
};

// Builds the whole report of one calculation; pure: no widgets, no state.
using ReportFunction = Report (*)(const CalculationInput&);

// One calculation of a calculator program: a radio button of the topology group.
struct Topology {
    int number = 0; // N of radioButton_N; inputMemory column N - 1
    const char* buttonText = "";
    // Texts of label_1 .. label_6; nullptr leaves that label's text as it is.
    std::array<const char*, maxInputFields> labels{};
    int visibleInputs = 0; // rows 1 .. visibleInputs are shown
    int picture = 0; // N of label_picN shown; 0 hides every picture
    const char* description = nullptr; // shown on selection; nullptr leaves the panel as it is
    std::array<const char*, maxInputFields> defaults{}; // start texts of the remembered fields
    ReportFunction report = nullptr;
    // The unit each field is typed in, as the description gives it.
    std::array<Unit, maxInputFields> units{};
    // Bit n - 1 set: field n holds a formula for the expression engine, not a number.
    unsigned formulaFields = 0;
    // Where the report's formulas can be checked against the field solver: the check
    // block (the solver's Z, eeff, L, C, pd and err in percent, and "d" + the key of each
    // report value it compares, in percent); nullptr where there is none.
    ReportFunction fieldCheck = nullptr;

    bool isFormulaField(int n) const { return n >= 1 && n <= maxInputFields && (formulaFields >> (n - 1) & 1u) != 0; }
    const Unit& unit(int n) const { return units[static_cast<size_t>(std::clamp(n, 1, maxInputFields) - 1)]; }
    // The label of visible field n (1-based), or "" for a field the topology does not show.
    QString fieldLabel(int n) const
    {
        return n >= 1 && n <= visibleInputs && labels[n - 1] != nullptr ? QString::fromUtf8(labels[n - 1]) : QString();
    }
};

inline double CalculationInput::si(int n) const
{
    // Every caller (window, kalvo-cli, analysis, benchmark, fuzzer) sets the topology;
    // without one the field is taken as typed.
    return topology != nullptr ? value(n) * topology->unit(n).scale : value(n);
}

struct DigitSettings {
    int digits = 3;
    double fixedLowerLimit = 0.1;
};

// Placement of the parts of the calculator window that differ between programs.
struct WindowLayout {
    QRect groupBox;
    const char* groupFont = "Sans Serif"; // the topology group's; the input frame keeps "Sans Serif"
    int groupSpacing = 6; // between the topology buttons; 0 lets nine fit in a short group
    QRect frame;
    QRect goButton;
    QRect angleGroup; // kalvo-xy's "Angle" group; empty: none
    int inputRows = 6; // label/lineEdit rows of the input frame
    int pictureLabels = 0; // label_pic1 .. label_picN
};

// The window of kalvo-impedance and kalvo-ee: a wider topology group in another font
// beside five input rows; nine buttons fit only without spacing.
constexpr WindowLayout wideGroupLayout(int pictureLabels)
{
    return {.groupBox = QRect(180, 5, 131, 190),
            .groupFont = "AlArabiya",
            .groupSpacing = 0,
            .frame = QRect(10, 10, 161, 216),
            .goButton = QRect(180, 199, 131, 28),
            .inputRows = 5,
            .pictureLabels = pictureLabels};
}

using EngineFactory = std::shared_ptr<FormulaEngine> (*)();

// A calculator program is this table plus the shared window.
struct Program {
    const char* name = ""; // kalvo-cli's PROGRAM word
    const char* windowTitle = "";
    const char* groupTitle = "Topology";
    const char* iconResource = "";
    const char* picturePrefix = ""; // picture N is picturePrefix + N + ".svg"
    WindowLayout layout;
    DigitSettings normalDigits;
    DigitSettings moreDigits;
    FormatVariant variant = FormatVariant::Calculator;
    const char* startupText = nullptr; // replaces the first description once, at start
    int rememberedFields = 5; // lineEdit_1 .. lineEdit_N are kept in inputMemory
    bool emptyInputsBecomeZero = false; // GO writes "0" into empty fields and remembers them
    EngineFactory createEngine = nullptr;
    std::span<const Topology> topologies; // in the order they stand in the group

    NumberFormat numberFormat(bool more) const
    {
        const DigitSettings& s = more ? moreDigits : normalDigits;
        return {s.digits, s.fixedLowerLimit, variant};
    }
    // The topology of radioButton_N, or nullptr.
    const Topology* topologyByNumber(int number) const
    {
        for (const Topology& t : topologies)
            if (t.number == number)
                return &t;
        return nullptr;
    }
    // The input of topology as the window shows it when the topology is first chosen:
    // the remembered fields hold their defaults, the others are empty.
    CalculationInput startInput(const Topology& topology, bool moreDigits = false) const;
    int highestTopologyNumber() const
    {
        int highest = 0;
        for (const Topology& t : topologies)
            highest = std::max(highest, t.number);
        return highest;
    }
};

} // namespace kalvo

#include "report.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

namespace kalvo {
namespace {

// The SI value of a number in unit. A decimal fraction such as 1e-9 is not exact in
// binary, so the value is divided by its exact reciprocal: 7 nH gives 7e-9 H, not
// 7.000000000000001e-9.
double toSi(double value, const Unit& unit)
{
    if (unit.scale >= 1.0 || unit.scale <= 0.0)
        return value * unit.scale;
    const double reciprocal = std::nearbyint(1.0 / unit.scale);
    return std::fabs(reciprocal * unit.scale - 1.0) < 1e-12 ? value / reciprocal : value * unit.scale;
}

constexpr qsizetype reservedText = 1024;
constexpr size_t reservedQuantities = 8;

// Whether text.simplified() would give text itself.
bool isSimplified(QStringView text)
{
    bool afterSpace = true; // a leading blank is not simplified
    for (QChar c : text) {
        if (c.isSpace() && (afterSpace || c != QLatin1Char(' ')))
            return false;
        afterSpace = c.isSpace();
    }
    return !afterSpace || text.isEmpty();
}

bool isAscii(const char* text, size_t length)
{
    // Eight bytes at a time: a report's texts run to hundreds of characters.
    constexpr std::uint64_t highBits = 0x8080808080808080u;
    size_t i = 0;
    for (std::uint64_t word = 0; i + sizeof word <= length; i += sizeof word) {
        std::memcpy(&word, text + i, sizeof word);
        if ((word & highBits) != 0)
            return false;
    }
    for (; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

// The unit names of the unit table as QStrings, converted once per thread: solve and
// sweep record the same few units hundreds of thousands of times. A name is looked up
// by its address and checked by its text, so a unit built at run time is safe too.
const QString& unitText(const char* name)
{
    struct Entry {
        const char* address = nullptr;
        std::string text;
        QString converted;
    };
    constexpr int slotBits = 6;
    thread_local std::array<Entry, size_t{1} << slotBits> entries;
    // Fibonacci hashing of the address spreads neighbouring literals over the slots.
    const std::uint64_t address = reinterpret_cast<std::uintptr_t>(name);
    Entry& entry = entries[static_cast<size_t>(address * 0x9E3779B97F4A7C15u >> (64 - slotBits))];
    if (entry.address != name || entry.text != name)
        entry = {name, name, QString::fromUtf8(name)};
    return entry.converted;
}

// What follows a quantity's number on its line, whitespace simplified, without the unit
// the line prints first ("Ohm" or "[Ohm]").
QString descriptionAfter(QStringView rest, const QString& shownUnit)
{
    rest = rest.trimmed();
    QString description(rest.size(), Qt::Uninitialized);
    QChar* out = description.data();
    bool afterSpace = false;
    for (QChar c : rest) {
        const bool space = c.isSpace();
        if (!space)
            *out++ = c;
        else if (!afterSpace)
            *out++ = QLatin1Char(' ');
        afterSpace = space;
    }
    description.truncate(out - description.constData());
    if (shownUnit.isEmpty())
        return description;
    const auto dropPrefix = [&description](qsizetype length) {
        description.remove(0, length);
        if (description.startsWith(QLatin1Char(' ')))
            description.remove(0, 1);
    };
    if (description.startsWith(shownUnit))
        dropPrefix(shownUnit.size());
    const qsizetype bracketed = shownUnit.size() + 2;
    if (description.size() >= bracketed && description.front() == QLatin1Char('[')
        && QStringView(description).sliced(1).startsWith(shownUnit) && description[bracketed - 1] == QLatin1Char(']'))
        dropPrefix(bracketed);
    return description;
}

// Texts a report derives from its own text (descriptions, simplified warnings), kept
// per position in the report: solve and sweep build the same report hundreds of times,
// and the text they are derived from stays the same while the numbers change.
class DerivedTexts {
public:
    // derive(source, detail) of the index-th text, or what it gave last time for the same
    // source and detail.
    template <typename Derive>
    QString get(size_t index, QStringView source, const QString& detail, Derive derive)
    {
        if (index >= entries.size())
            return derive(source, detail);
        Entry& entry = entries[index];
        if (!entry.filled || entry.source != source || entry.detail != detail)
            entry = {true, source.toString(), detail, derive(source, detail)};
        return entry.derived;
    }

private:
    struct Entry {
        bool filled = false;
        QString source;
        QString detail;
        QString derived;
    };
    std::vector<Entry> entries = std::vector<Entry>(64);
};

thread_local DerivedTexts descriptions;
thread_local DerivedTexts simplifiedWarnings;

} // namespace

const Quantity* Report::quantity(QStringView key) const
{
    for (const Quantity& q : quantities)
        if (q.key == key)
            return &q;
    return nullptr;
}

ReportBuilder::ReportBuilder(const NumberFormat& format, ReportDetail detail)
    : format_(format)
    , withText(detail == ReportDetail::Full)
{
    // Room for a typical report, so that appending rarely reallocates.
    if (withText)
        report.text.reserve(reservedText);
    report.quantities.reserve(reservedQuantities);
    numberEnds.reserve(reservedQuantities);
}

ReportBuilder& ReportBuilder::operator<<(const char* text)
{
    if (!withText)
        return *this;
    // Most of a report is ASCII, which needs no conversion.
    const size_t length = std::strlen(text);
    if (isAscii(text, length))
        report.text += QLatin1StringView(text, static_cast<qsizetype>(length));
    else
        report.text += QString::fromUtf8(text, static_cast<qsizetype>(length));
    return *this;
}

ReportBuilder& ReportBuilder::operator<<(const QString& text)
{
    if (withText)
        report.text += text;
    return *this;
}

ReportBuilder& ReportBuilder::number(const QString& key, double shownValue, const Unit& unit)
{
    if (!withText)
        return record(key, shownValue, unit, QString());
    const FormattedNumber formatted = formattedNumber(shownValue, format_);
    report.text += formatted.text();
    return record(key, shownValue, unit, formatted.number());
}

ReportBuilder& ReportBuilder::number(const QString& key, double shownValue, const Unit& unit, const QString& shownText)
{
    if (!withText)
        return record(key, shownValue, unit, QString());
    report.text += shownText;
    return record(key, shownValue, unit, shownText.trimmed());
}

ReportBuilder& ReportBuilder::record(const QString& key, double shownValue, const Unit& unit, QString shown)
{
    if (withText)
        numberEnds.push_back(report.text.size());
    report.quantities.push_back({.key = key,
                                 .value = toSi(shownValue, unit),
                                 .unit = unitText(unit.si),
                                 .shownUnit = unitText(unit.shown),
                                 .shown = std::move(shown),
                                 .block = currentBlock});
    return *this;
}

ReportBuilder& ReportBuilder::block(const QString& title)
{
    currentBlock = title;
    return *this;
}

ReportBuilder& ReportBuilder::warning(const QString& printed)
{
    if (withText)
        report.text += printed;
    if (isSimplified(printed))
        report.warnings.append(printed);
    else
        report.warnings.append(
            simplifiedWarnings.get(static_cast<size_t>(report.warnings.size()), printed, QString(),
                                   [](QStringView text, const QString&) { return text.toString().simplified(); }));
    return *this;
}

ReportBuilder& ReportBuilder::failure(const QString& printed)
{
    warning(printed);
    report.ok = false;
    return *this;
}

Report ReportBuilder::take()
{
    if (!withText)
        return std::exchange(report, Report{});
    const QStringView text = report.text;
    for (size_t i = 0; i < report.quantities.size(); ++i) {
        Quantity& q = report.quantities[i];
        const qsizetype end = text.indexOf(QLatin1Char('\n'), numberEnds[i]);
        q.description = descriptions.get(i, text.sliced(numberEnds[i], (end < 0 ? text.size() : end) - numberEnds[i]),
                                         q.shownUnit, descriptionAfter);
    }
    numberEnds.clear();
    // A sweep keeps thousands of reports: none holds more room than its text needs.
    report.text.squeeze();
    return std::exchange(report, Report{});
}

} // namespace kalvo

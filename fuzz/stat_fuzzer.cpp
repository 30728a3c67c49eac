// The stat data-file reader, then in every sort order every evaluation over what it
// loaded, in the order of the Mode group; then the report text, the table cells and the
// histogram's tooltips of the last order. The order the sort orders are taken in starts
// at the one the first byte names.
//
// Input: the first sort order (one byte), the number of histogram bins (one byte, used
// unclamped), then the data file.
#include "data_file.h"
#include "entry_cells.h"
#include "fuzz_input.h"
#include "input_pair.h"
#include "report_file.h"
#include "stat_mode.h"

#include <QBuffer>

#include <memory>

namespace {

struct Evaluation {
    QString lastText;
    std::optional<kalvo::Histogram> histogram;
};

// Evaluates the list in one sort order as the window does.
Evaluation evaluateAll(kalvo::StatList& list, kalvo::SortMode sortMode, int bins)
{
    list.sortList(sortMode);
    Evaluation evaluation;
    for (const kalvo::ModeButton& button : kalvo::modeButtons()) {
        kalvo::ModeResult result = kalvo::runMode(list, button.mode, bins);
        if (result.restoreSortOrder)
            list.sortList(sortMode);
        if (result.histogram)
            evaluation.histogram = result.histogram;
        evaluation.lastText = result.text;
    }
    return evaluation;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalvo::fuzz::FuzzInput input(data, size);
    const auto sortButtons = kalvo::sortButtons();
    const std::size_t firstSortOrder = input.takeByte() % sortButtons.size();
    const int bins = input.takeByte();
    const std::string_view file = input.rest();

    QByteArray bytes = QByteArray::fromRawData(file.data(), static_cast<qsizetype>(file.size()));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const auto loaded = std::make_unique<kalvo::StatList>();
    kalvo::appendDataFile(device, *loaded);
    kalvo::readInputPair(kalvo::fuzz::decodeText(file, false));

    // Formatting costs more than evaluating: only the last sort order is formatted.
    const auto list = std::make_unique<kalvo::StatList>();
    Evaluation evaluation;
    for (std::size_t i = 0; i < sortButtons.size(); ++i) {
        *list = *loaded;
        evaluation = evaluateAll(*list, sortButtons[(firstSortOrder + i) % sortButtons.size()].mode, bins);
    }
    kalvo::reportText(*list, evaluation.lastText);
    for (const kalvo::StatEntry& entry : list->entries())
        kalvo::entryCells(entry);
    if (evaluation.histogram)
        for (int bin = 0; bin < evaluation.histogram->bins; ++bin)
            kalvo::binToolTip(*evaluation.histogram, bin);
    return 0;
}

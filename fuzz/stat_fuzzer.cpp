// The stat data-file reader, then every evaluation over what it loaded, in the order the
// window takes them, in one sort order; then the report text, the table cells and the
// histogram's tooltips.
//
// Input: the sort order (one byte), the number of histogram bins (one byte, used
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
    const kalvo::SortMode sortMode = sortButtons[input.takeByte() % sortButtons.size()].mode;
    const int bins = input.takeByte();
    const std::string_view file = input.rest();

    QByteArray bytes = QByteArray::fromRawData(file.data(), static_cast<qsizetype>(file.size()));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const auto list = std::make_unique<kalvo::StatList>();
    kalvo::appendDataFile(device, *list);
    kalvo::readInputPair(kalvo::fuzz::decodeText(file, false));

    const Evaluation evaluation = evaluateAll(*list, sortMode, bins);
    kalvo::reportText(*list, evaluation.lastText);
    for (const kalvo::StatEntry& entry : list->entries())
        kalvo::entryCells(entry);
    if (evaluation.histogram)
        for (int bin = 0; bin < evaluation.histogram->bins; ++bin)
            kalvo::binToolTip(*evaluation.histogram, bin);
    return 0;
}

// The resistor search over every series and decade range, with the nominal value read
// from an arbitrary text as the window reads it, or taken as any double bit pattern.
//
// Input: series byte, range byte, option byte, then the nominal value. Option bits:
// 1 the next eight bytes are the value itself (else the rest is its text), 2 the text is
// Latin-1 (else UTF-8).
#include "fuzz_input.h"
#include "printf_format.h"
#include "search_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalvo::fuzz::FuzzInput input(data, size);
    const kalvo::ESeries series = kalvo::allSeries[input.takeByte() % kalvo::allSeries.size()];
    const kalvo::DecadeRange range = kalvo::allDecadeRanges[input.takeByte() % kalvo::allDecadeRanges.size()];
    const std::uint8_t options = input.takeByte();

    double nominal = 0;
    if (options & 1) {
        nominal = input.takeDouble();
        kalvo::printfG(nominal);
        kalvo::printfFixed(nominal, input.takeByte());
    } else {
        nominal = kalvo::nominalFromText(kalvo::fuzz::decodeText(input.rest(), options & 2));
    }
    kalvo::searchReport(kalvo::runSearch(nominal, series, range));
    return 0;
}

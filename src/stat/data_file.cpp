#include "data_file.h"

#include "data_line.h"

#include <QDir>
#include <QFile>

#include <array>
#include <string_view>

namespace kalvo {
namespace {

// A line is read in chunks so that its length costs no memory; only its beginning,
// where the numbers stand, is kept.
constexpr qint64 kChunkSize = 4096;
constexpr qsizetype kKeptPerLine = 65536;

struct Line {
    QByteArray beginning;
    bool terminates = false; // contains "end" or "END"
};

bool containsTerminator(std::string_view text)
{
    return text.find("end") != std::string_view::npos || text.find("END") != std::string_view::npos;
}

// Reads whole lines, however long.
class LineReader {
public:
    explicit LineReader(QIODevice& device)
        : device(device)
    {
    }

    // The next line, or false when nothing was left to read.
    bool read(Line& line)
    {
        line = Line{};
        // The last two bytes of the previous chunk, so that a terminator split
        // between two chunks is found.
        std::string overlap;
        bool readAnything = false;
        for (;;) {
            const qint64 size = device.readLine(buffer.data(), kChunkSize);
            if (size <= 0)
                break;
            readAnything = true;
            const std::string_view chunk(buffer.data(), static_cast<std::size_t>(size));
            const std::string joined = overlap + std::string(chunk);
            line.terminates = line.terminates || containsTerminator(joined);
            if (line.beginning.size() < kKeptPerLine)
                line.beginning.append(chunk.data(), std::min<qsizetype>(size, kKeptPerLine - line.beginning.size()));
            if (chunk.back() == '\n')
                return true;
            overlap = joined.substr(joined.size() - std::min<std::size_t>(joined.size(), 2));
        }
        return readAnything;
    }

private:
    QIODevice& device;
    std::array<char, kChunkSize> buffer{};
};

} // namespace

DataLoad appendDataFile(QIODevice& device, StatList& list)
{
    DataLoad load;
    LineReader reader(device);
    Line line;
    while (reader.read(line)) {
        const DataLine data = readDataLine(
            std::string_view(line.beginning.constData(), static_cast<std::size_t>(line.beginning.size())),
            line.terminates);
        if (data.kind == DataLine::Kind::Terminator)
            break; // nothing after it is data
        if (data.kind == DataLine::Kind::Skipped) {
            ++load.skipped;
            continue;
        }
        // Only a pair that does not fit means that data was left out.
        if (!list.append(data.pair.x, data.pair.y)) {
            load.listFilled = true;
            break;
        }
        ++load.appended;
    }
    return load;
}

DataLoad loadDataFile(const QString& path, StatList& list)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        DataLoad failed;
        failed.error = file.errorString();
        return failed;
    }
    return appendDataFile(file, list);
}

QString dataFormatHelp()
{
    return QStringLiteral("\nTo load data from file you need a textfile where X and Y values\n"
                          "are separated with a Tabulator or a Space. The file should be\n"
                          "terminated with END. Here a small example:\n\n1\t0\n2\t0.5\n3\t0.96\nEND");
}

QString loadSummary(const DataLoad& load)
{
    return QStringLiteral("Pairs loaded: %1\nLines skipped (blank, # comment or no number at the start): %2")
        .arg(load.appended)
        .arg(load.skipped);
}

QString listFilledOnLoadMessage()
{
    return QStringLiteral("Maxlist Reached!\nDid not load all Data!");
}

QString dataFileErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open the data file \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kalvo

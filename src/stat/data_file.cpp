#include "data_file.h"

#include "c_scan.h"

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

// Reads whole lines. Like the C library, the end of the file counts as met only once a
// read has run into it: after a last line without a line break, or a read of nothing.
class LineReader {
public:
    explicit LineReader(QIODevice& device)
        : device(device)
    {
    }

    bool endMet() const { return ended; }

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
        ended = true;
        return readAnything;
    }

private:
    QIODevice& device;
    std::array<char, kChunkSize> buffer{};
    bool ended = false;
};

} // namespace

DataLoad appendDataFile(QIODevice& device, StatList& list)
{
    DataLoad load;
    LineReader reader(device);
    Line line;
    while (!reader.endMet()) {
        if (list.isFull()) {
            load.listFilled = true;
            break;
        }
        // Nothing after the terminator is data.
        if (!reader.read(line) || line.terminates)
            break;
        const ValuePair pair
            = scanPair(std::string_view(line.beginning.constData(), static_cast<std::size_t>(line.beginning.size())));
        list.append(pair.x, pair.y);
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

QString listFilledOnLoadMessage()
{
    return QStringLiteral("Maxlist Reached!\nDid not load all Data!");
}

QString dataFileErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open the data file \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kalvo

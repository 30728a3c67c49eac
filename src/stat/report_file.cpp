#include "report_file.h"

#include "c_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kalvo {

QString reportText(const StatList& list, const QString& resultText)
{
    QString text;
    for (const StatEntry& e : list.entries())
        text += cFormat("%lg\t%lg\t%lg\t%lg\t%lg%%\t%d\n",
                        {e.x, e.y, e.failure * e.failure, e.failure, e.failurePercent, e.number + 1});
    text += cFormat("END\nX\tY\tFailure^2\tFailure\tFailure%%\tNumber\n\n", {});
    return text + resultText;
}

namespace {

bool writeWhole(QFileDevice& file, const QByteArray& bytes)
{
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(bytes) == bytes.size();
}

// A device or a pipe: written in place, since replacing it would remove it.
bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

// A file is written under a temporary name and takes the place of the old one only
// when it is complete.
QString saveReport(const QString& path, const QString& report)
{
    const QByteArray bytes = report.toLatin1();
    if (isSpecialFile(path)) {
        QFile device(path);
        return writeWhole(device, bytes) && device.flush() ? QString() : device.errorString();
    }
    QSaveFile file(path);
    if (!writeWhole(file, bytes))
        return file.errorString();
    if (!file.commit()) // Qt gives no reason when the old file could not be replaced
        return file.error() == QFileDevice::RenameError ? QStringLiteral("the old file could not be replaced")
                                                        : file.errorString();
    return {};
}

QString reportFileErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write the report file \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kalvo

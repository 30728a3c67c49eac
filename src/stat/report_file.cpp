#include "report_file.h"

#include "c_format.h"

#include <QDir>
#include <QFile>

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

QString saveReport(const QString& path, const QString& report)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return file.errorString();
    const QByteArray bytes = report.toLatin1();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    return {};
}

QString reportFileErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write the report file \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kalvo

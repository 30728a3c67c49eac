#include "help_source.h"

#include <QFile>
#include <QRegularExpression>

namespace kalvo {
namespace {

const QRegularExpression& imageElement()
{
    static const QRegularExpression pattern(QStringLiteral(R"re(<img\b[^>]*\bsrc\s*=\s*"([^"]*)"[^>]*>)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

std::optional<QString> readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

QStringList pictureReferences(const QString& html)
{
    QStringList names;
    for (const QRegularExpressionMatch& match : imageElement().globalMatch(html)) {
        const QString name = match.captured(1);
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

QString withoutPicture(const QString& html, const QString& name)
{
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : imageElement().globalMatch(html)) {
        if (match.captured(1) != name)
            continue;
        result += html.mid(copied, match.capturedStart() - copied);
        copied = match.capturedEnd();
    }
    return result + html.mid(copied);
}

} // namespace kalvo

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kalvo {

// The text of the manual as written: a title page, the chapters in order (each an HTML
// fragment that starts with its <h1>) and the style sheet that applies to all of them.
struct HelpSource {
    QString titlePage;
    QStringList chapters;
    QString styleSheet;
};

// Reads a UTF-8 text file; nothing when it cannot be read.
std::optional<QString> readTextFile(const QString& path);

// The picture names of every <img src="..."> in the HTML, each once, in order of appearance.
QStringList pictureReferences(const QString& html);

// The HTML without the <img> elements that show the given picture.
QString withoutPicture(const QString& html, const QString& name);

} // namespace kalvo

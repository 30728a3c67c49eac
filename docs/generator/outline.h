#pragma once

#include <QList>
#include <QString>

class QTextDocument;

namespace kalvo {

// A chapter (level 1) or section (level 2) heading and the page it starts on (1-based).
struct Heading {
    int level = 1;
    QString text;
    int page = 0;

    bool operator==(const Heading&) const = default;
};

// Puts "N " before every chapter heading and "N.M " before every section heading.
void numberHeadings(QTextDocument& document);

// The chapter and section headings with their pages; the document must be paginated.
QList<Heading> collectHeadings(const QTextDocument& document);

// The table of contents as HTML, starting on a new page.
QString tableOfContentsHtml(const QList<Heading>& headings);

} // namespace kalvo

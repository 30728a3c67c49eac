#include "outline.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace kalvo {
namespace {

int headingLevel(const QTextBlock& block)
{
    const int level = block.blockFormat().headingLevel();
    return level == 1 || level == 2 ? level : 0;
}

// Where the block's first line stands; a block pushed to the next page starts there.
int pageOfBlock(const QTextDocument& document, const QTextBlock& block)
{
    const QTextLayout* layout = block.layout();
    double top = document.documentLayout()->blockBoundingRect(block).top();
    if (layout != nullptr && layout->lineCount() > 0)
        top = layout->position().y() + layout->lineAt(0).y();
    // A block moved to the top of a page by a page break may start a rounding error above it.
    constexpr double tolerance = 0.5;
    return static_cast<int>((top + tolerance) / document.pageSize().height()) + 1;
}

} // namespace

void numberHeadings(QTextDocument& document)
{
    int chapter = 0;
    int section = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = headingLevel(block);
        if (level == 0)
            continue;
        QString number;
        if (level == 1) {
            ++chapter;
            section = 0;
            number = QString::number(chapter);
        } else {
            ++section;
            number = QStringLiteral("%1.%2").arg(chapter).arg(section);
        }
        QTextCursor cursor(block);
        cursor.insertText(number + QStringLiteral("\u2003"));
    }
}

QList<Heading> collectHeadings(const QTextDocument& document)
{
    document.documentLayout()->documentSize(); // completes the layout, which runs lazily
    QList<Heading> headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (const int level = headingLevel(block))
            headings.append({level, block.text(), pageOfBlock(document, block)});
    return headings;
}

QString tableOfContentsHtml(const QList<Heading>& headings)
{
    QString html = QStringLiteral("<p class=\"toc-title\" style=\"page-break-before: always\">Contents</p>\n"
                                  "<table class=\"toc\" width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (const Heading& heading : headings) {
        const QString style = heading.level == 1 ? QStringLiteral("toc-chapter") : QStringLiteral("toc-section");
        html += QStringLiteral("<tr><td class=\"%1\">%2</td><td class=\"%1\" align=\"right\">%3</td></tr>\n")
                    .arg(style, heading.text.toHtmlEscaped())
                    .arg(heading.page);
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace kalvo

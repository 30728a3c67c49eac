#include "help_book.h"

#include "help_source.h"
#include "keep_together.h"
#include "outline.h"
#include "svg_image_handler.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

namespace kalvo {
namespace {

constexpr double millimetresPerInch = 25.4;
constexpr int maximumLayoutPasses = 6;
const QColor ruleColour(0x88, 0x88, 0x88);

struct PageGeometry {
    QRectF content;
    QRectF header;
    QRectF footer;
};

PageGeometry pageGeometry(const QPdfWriter& writer)
{
    const double unitsPerMm = writer.resolution() / millimetresPerInch;
    const QRectF page(0, 0, writer.width(), writer.height());
    const QRectF content = page.adjusted(22 * unitsPerMm, 25 * unitsPerMm, -22 * unitsPerMm, -22 * unitsPerMm);
    return {content, QRectF(content.left(), 12 * unitsPerMm, content.width(), 8 * unitsPerMm),
            QRectF(content.left(), content.bottom() + 8 * unitsPerMm, content.width(), 8 * unitsPerMm)};
}

QFont bodyFont()
{
    QFont font(QStringLiteral("DejaVu Sans"), 10);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Without shaping the PDF has no ligatures, so its text reads "ff" and "fi" when
    // searched or extracted.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

std::unique_ptr<QTextDocument> layOut(const HelpSource& source, const QString& tableOfContents,
                                      SvgImageHandler& pictures, QPdfWriter& writer, QSizeF pageSize)
{
    auto document = std::make_unique<QTextDocument>();
    document->setUseDesignMetrics(true);
    document->setDefaultFont(bodyFont());
    document->setDefaultStyleSheet(source.styleSheet);
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(&writer);
    document->documentLayout()->registerHandler(QTextFormat::ImageObject, &pictures);
    document->setHtml(QStringLiteral("<html><body>") + source.titlePage + tableOfContents
                      + source.chapters.join(QLatin1Char('\n')) + QStringLiteral("</body></html>"));
    numberHeadings(*document);
    document->setPageSize(pageSize);
    keepTablesTogether(*document);
    return document;
}

// The chapter a page belongs to: the last chapter heading on or before it.
QString chapterOfPage(const QList<Heading>& headings, int page)
{
    QString chapter;
    for (const Heading& heading : headings)
        if (heading.level == 1 && heading.page <= page)
            chapter = heading.text;
    return chapter;
}

void paintRunningTitles(QPainter& painter, const PageGeometry& geometry, const QString& title, const QString& chapter,
                        int page)
{
    QFont font = bodyFont();
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(ruleColour);
    painter.drawText(geometry.header, Qt::AlignLeft | Qt::AlignBottom, title);
    painter.drawText(geometry.header, Qt::AlignRight | Qt::AlignBottom, chapter);
    const double y = geometry.header.bottom() + geometry.header.height() * 0.25;
    painter.drawLine(QPointF(geometry.header.left(), y), QPointF(geometry.header.right(), y));
    painter.drawText(geometry.footer, Qt::AlignHCenter | Qt::AlignTop, QString::number(page));
}

void paintPage(QPainter& painter, QTextDocument& document, const PageGeometry& geometry, int pageIndex)
{
    const double pageHeight = document.pageSize().height();
    painter.save();
    painter.setClipRect(geometry.content);
    painter.translate(geometry.content.left(), geometry.content.top() - pageIndex * pageHeight);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, pageIndex * pageHeight, document.pageSize().width(), pageHeight);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

QString writeHelpPdf(const HelpSource& source, SvgImageHandler& pictures, const QString& title, const QString& pdfPath)
{
    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("kalvo-helpgen"));
    const PageGeometry geometry = pageGeometry(writer);

    // The contents list its own pages' successors, so lay out until its page numbers hold.
    QList<Heading> headings;
    std::unique_ptr<QTextDocument> document;
    for (int pass = 0; pass < maximumLayoutPasses; ++pass) {
        document = layOut(source, tableOfContentsHtml(headings), pictures, writer, geometry.content.size());
        const QList<Heading> laidOut = collectHeadings(*document);
        if (laidOut == headings)
            break;
        headings = laidOut;
    }
    if (collectHeadings(*document) != headings)
        return QStringLiteral("the page numbers of the contents do not settle");

    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("cannot write %1").arg(pdfPath);
    const int pages = document->pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            writer.newPage();
        paintPage(painter, *document, geometry, index);
        const int page = index + 1;
        if (page > 1)
            paintRunningTitles(painter, geometry, title, chapterOfPage(headings, page), page);
    }
    if (!painter.end())
        return QStringLiteral("cannot finish %1").arg(pdfPath);
    return {};
}

} // namespace kalvo

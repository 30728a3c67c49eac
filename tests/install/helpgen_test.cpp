// The help generator's own logic: picture references, heading numbers and pages, the
// table of contents, and keeping tables on one page.

#include "help_source.h"
#include "keep_together.h"
#include "outline.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

namespace {

constexpr double pageHeight = 400;

// A document laid out on pages 400 units high and 500 wide.
std::unique_ptr<QTextDocument> paginated(const QString& html)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setHtml(html);
    document->setPageSize(QSizeF(500, pageHeight));
    return document;
}

QString filler(int lines)
{
    QString html;
    for (int line = 0; line < lines; ++line)
        html += QStringLiteral("<p>line %1</p>").arg(line);
    return html;
}

const QString table = QStringLiteral("<table border=\"1\"><tr><td>a</td></tr><tr><td>b</td></tr>"
                                     "<tr><td>c</td></tr><tr><td>d</td></tr></table>");

double tableTop(QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* found = qobject_cast<QTextTable*>(frame))
            return document.documentLayout()->frameBoundingRect(found).top();
    return -1;
}

// The first line that fills a page so far that the table after it is split.
int fillerThatSplitsTable(const QString& before)
{
    for (int lines = 1; lines < 40; ++lines) {
        auto document = paginated(filler(lines) + before + table);
        const double top = tableTop(*document);
        document->documentLayout()->documentSize();
        const double bottom = top
            + document->documentLayout()->frameBoundingRect(document->rootFrame()->childFrames().front()).height();
        if (static_cast<int>(top / pageHeight) != static_cast<int>(bottom / pageHeight))
            return lines;
    }
    return -1;
}

} // namespace

class HelpGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void pictureReferences_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("none") << "<p>text</p>" << QStringList{};
        QTest::newRow("in order, each once")
            << R"(<img src="rc/b.svg" width="3"><IMG SRC="xy/a.svg"><img width="1" src="rc/b.svg">)"
            << QStringList{"rc/b.svg", "xy/a.svg"};
        QTest::newRow("blanks around =") << R"(<img src = "ee/c.svg">)" << QStringList{"ee/c.svg"};
    }
    void pictureReferences()
    {
        QFETCH(QString, html);
        QFETCH(QStringList, pictures);
        QCOMPARE(kalvo::pictureReferences(html), pictures);
    }

    void withoutPictureRemovesOnlyThatPicture()
    {
        const QString html = R"(<p>a<img src="x.svg" width="2">b<img src="y.svg">c<img src="x.svg"></p>)";
        QCOMPARE(kalvo::withoutPicture(html, "x.svg"), QString(R"(<p>ab<img src="y.svg">c</p>)"));
        QCOMPARE(kalvo::withoutPicture(html, "z.svg"), html);
    }

    void headingsAreNumberedWithTheirPages()
    {
        const QString breakBefore = QStringLiteral(" style=\"page-break-before: always\"");
        auto document = paginated("<h1>Intro</h1><h2>First</h2><h2>Second</h2><h1" + breakBefore + ">Next</h1>"
                                  + filler(30) + "<h2>Late</h2><h3>not listed</h3>");
        kalvo::numberHeadings(*document);
        const QList<kalvo::Heading> headings = kalvo::collectHeadings(*document);
        const QList<kalvo::Heading> expected{{1, QString::fromUtf8("1\u2003Intro"), 1},
                                             {2, QString::fromUtf8("1.1\u2003First"), 1},
                                             {2, QString::fromUtf8("1.2\u2003Second"), 1},
                                             {1, QString::fromUtf8("2\u2003Next"), 2},
                                             {2, QString::fromUtf8("2.1\u2003Late"), headings.last().page}};
        QCOMPARE(headings, expected);
        QVERIFY(headings.last().page > 2);
    }

    void contentsListEveryHeadingWithItsPage()
    {
        const QString html = kalvo::tableOfContentsHtml({{1, "1 A & B", 3}, {2, "1.1 C", 14}});
        QVERIFY(html.contains("page-break-before: always"));
        QVERIFY(html.contains("toc-chapter\">1 A &amp; B</td>"));
        QVERIFY(html.contains(">3</td>"));
        QVERIFY(html.contains("toc-section\">1.1 C</td>"));
        QVERIFY(html.contains(">14</td>"));
    }

    void splitTableMovesToTheNextPage()
    {
        const int lines = fillerThatSplitsTable(QString());
        QVERIFY(lines > 0);
        auto document = paginated(filler(lines) + table);
        kalvo::keepTablesTogether(*document);
        const double top = tableTop(*document);
        QVERIFY2(top >= pageHeight && top < pageHeight + 10, qPrintable(QString::number(top)));
    }

    void splitTableTakesItsHeadingAlong()
    {
        const QString heading = QStringLiteral("<h2>Section</h2><p>About the table.</p>");
        const int lines = fillerThatSplitsTable(heading);
        QVERIFY(lines > 0);
        auto document = paginated(filler(lines) + heading + table);
        kalvo::keepTablesTogether(*document);
        kalvo::numberHeadings(*document);
        QCOMPARE(kalvo::collectHeadings(*document).front().page, 2);
        QVERIFY(tableTop(*document) > pageHeight);
    }

    void tableThatFitsStaysWhereItIs()
    {
        auto document = paginated(filler(2) + table);
        const double before = tableTop(*document);
        kalvo::keepTablesTogether(*document);
        QCOMPARE(tableTop(*document), before);
    }
};

QTEST_MAIN(HelpGeneratorTest)
#include "helpgen_test.moc"

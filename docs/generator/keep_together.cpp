#include "keep_together.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>

namespace kalvo {
namespace {

// A rounding error may put something that starts a page a hair above it.
constexpr double tolerance = 0.5;

int pageAt(const QTextDocument& document, double y)
{
    return static_cast<int>(std::floor(y / document.pageSize().height()));
}

bool isSplit(const QTextDocument& document, QTextTable* table)
{
    const QRectF box = document.documentLayout()->frameBoundingRect(table);
    return box.height() < document.pageSize().height()
        && pageAt(document, box.top() + tolerance) != pageAt(document, box.bottom() - tolerance);
}

bool isHeading(const QTextBlock& block)
{
    return block.isValid() && block.blockFormat().headingLevel() > 0;
}

// The paragraph right before the table, outside any table; invalid when there is none.
QTextBlock blockBefore(const QTextTable* table)
{
    QTextBlock block = table->document()->findBlock(table->firstPosition()).previous();
    while (block.isValid() && QTextCursor(block).currentTable() != nullptr)
        block = block.previous();
    return block;
}

void breakBefore(QTextTable* table)
{
    QTextBlock lead = blockBefore(table);
    if (!isHeading(lead) && isHeading(lead.previous()))
        lead = lead.previous();
    if (isHeading(lead)) {
        QTextBlockFormat format = lead.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(lead).setBlockFormat(format);
        return;
    }
    QTextTableFormat format = table->format();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    table->setFormat(format);
}

QTextTable* firstSplitTable(QTextDocument& document)
{
    document.documentLayout()->documentSize(); // completes the layout, which runs lazily
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame); table != nullptr && isSplit(document, table))
            return table;
    return nullptr;
}

} // namespace

void keepTablesTogether(QTextDocument& document)
{
    // Each move only pushes later content down, so the tables are settled one by one.
    while (QTextTable* table = firstSplitTable(document))
        breakBefore(table);
}

} // namespace kalvo

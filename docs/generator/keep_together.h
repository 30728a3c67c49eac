#pragma once

class QTextDocument;

namespace kalvo {

// Moves every table that would be split across two pages to the top of the next page,
// together with a heading and one paragraph that introduce it. Tables taller than a page
// are left to split. The document must have its page size set.
void keepTablesTogether(QTextDocument& document);

} // namespace kalvo

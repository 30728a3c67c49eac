#pragma once

#include <QString>

namespace kalvo {

struct HelpSource;
class SvgImageHandler;

// Lays the manual out on A4 pages (title page, table of contents with page numbers,
// numbered chapters with running header and page numbers) and writes it as a PDF file.
// Returns an empty text on success, otherwise what went wrong.
QString writeHelpPdf(const HelpSource& source, SvgImageHandler& pictures, const QString& title, const QString& pdfPath);

} // namespace kalvo

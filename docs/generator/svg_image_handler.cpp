#include "svg_image_handler.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QTextImageFormat>

namespace kalvo {
namespace {

// Lengths in the document are CSS pixels (96 per inch); the layout works in device units.
constexpr double cssPixelsPerInch = 96.0;

double deviceScale(const QTextDocument* document)
{
    const QPaintDevice* device = document->documentLayout()->paintDevice();
    return device != nullptr ? device->logicalDpiY() / cssPixelsPerInch : 1.0;
}

} // namespace

SvgImageHandler::SvgImageHandler(const QDir& picturesDirectory, QObject* parent)
    : QObject(parent)
    , picturesDirectory_(picturesDirectory)
{
}

SvgImageHandler::~SvgImageHandler() = default;

QSvgRenderer* SvgImageHandler::renderer(const QString& name)
{
    auto found = renderers_.find(name);
    if (found == renderers_.end()) {
        auto loaded = std::make_shared<QSvgRenderer>(picturesDirectory_.filePath(name));
        found = renderers_.insert(name, loaded->isValid() ? loaded : nullptr);
    }
    return found->get();
}

bool SvgImageHandler::canDraw(const QString& name)
{
    return renderer(name) != nullptr;
}

QSizeF SvgImageHandler::intrinsicSize(QTextDocument* document, int, const QTextFormat& format)
{
    const QTextImageFormat image = format.toImageFormat();
    QSvgRenderer* svg = renderer(image.name());
    if (svg == nullptr)
        return {};
    const QSizeF natural = svg->viewBoxF().size();
    double width = image.width();
    double height = image.height();
    if (width <= 0 && height <= 0) {
        width = natural.width();
        height = natural.height();
    } else if (width <= 0) {
        width = height * natural.width() / natural.height();
    } else if (height <= 0) {
        height = width * natural.height() / natural.width();
    }
    const double scale = deviceScale(document);
    return {width * scale, height * scale};
}

void SvgImageHandler::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format)
{
    if (QSvgRenderer* svg = renderer(format.toImageFormat().name()))
        svg->render(painter, rect);
}

} // namespace kalvo

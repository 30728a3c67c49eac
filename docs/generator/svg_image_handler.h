#pragma once

#include <QDir>
#include <QHash>
#include <QObject>
#include <QTextObjectInterface>

#include <memory>

class QSvgRenderer;

namespace kalvo {

// Draws the <img> elements of a QTextDocument from SVG files as vector graphics, so the
// schematics stay sharp at any zoom of the PDF. Image names are paths relative to the
// pictures directory; sizes given in the document (width/height, in CSS pixels) are
// honoured, a missing one follows the picture's aspect ratio.
class SvgImageHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit SvgImageHandler(const QDir& picturesDirectory, QObject* parent = nullptr);
    ~SvgImageHandler() override;

    // Whether the picture of this name can be drawn.
    bool canDraw(const QString& name);

    QSizeF intrinsicSize(QTextDocument* document, int positionInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int positionInDocument,
                    const QTextFormat& format) override;

private:
    QSvgRenderer* renderer(const QString& name);

    QDir picturesDirectory_;
    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
};

} // namespace kalvo

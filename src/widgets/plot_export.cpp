#include "plot_export.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QSvgGenerator>

namespace kalvo {
namespace {

bool saveSvg(QCustomPlot* plot, const QString& fileName)
{
    QSvgGenerator generator;
    generator.setFileName(fileName);
    generator.setSize(plot->size());
    generator.setViewBox(QRect(QPoint(0, 0), plot->size()));
    generator.setTitle(plot->windowTitle());
    QCPPainter painter;
    if (!painter.begin(&generator))
        return false;
    plot->toPainter(&painter, plot->width(), plot->height());
    return painter.end() && QFileInfo(fileName).size() > 0;
}

void reportFailure(QWidget* parent, const QString& fileName)
{
    QMessageBox::warning(parent, parent->window()->windowTitle(),
                         QStringLiteral("Could not write %1").arg(QDir::toNativeSeparators(fileName)));
}

} // namespace

bool savePlot(QCustomPlot* plot, const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return saveSvg(plot, fileName);
    if (suffix == QLatin1String("pdf"))
        return plot->savePdf(fileName);
    return plot->savePng(fileName, 0, 0, 2.0);
}

void copyPlotImage(QCustomPlot* plot)
{
    QApplication::clipboard()->setPixmap(plot->toPixmap(0, 0, 2.0));
}

bool saveText(const QString& fileName, const QString& text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

void addPlotExportActions(QMenu* menu, QWidget* parent, QCustomPlot* plot, std::function<QString()> csv)
{
    QAction* image = menu->addAction(QStringLiteral("Export &Image..."), parent, [parent, plot] {
        const QString fileName = QFileDialog::getSaveFileName(
            parent, QStringLiteral("Export Image"), QString(),
            QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
        if (!fileName.isEmpty() && !savePlot(plot, fileName))
            reportFailure(parent, fileName);
    });
    image->setObjectName(QStringLiteral("exportImage"));
    if (csv) {
        QAction* data = menu->addAction(QStringLiteral("Export &Data as CSV..."), parent, [parent, csv] {
            const QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Export Data"), QString(),
                                                                  QStringLiteral("Tab-separated data (*.csv *.txt)"));
            if (!fileName.isEmpty() && !saveText(fileName, csv()))
                reportFailure(parent, fileName);
        });
        data->setObjectName(QStringLiteral("exportData"));
    }
    QAction* copy = menu->addAction(QStringLiteral("&Copy Image"), parent, [plot] { copyPlotImage(plot); });
    copy->setObjectName(QStringLiteral("copyImage"));
    copy->setShortcut(QKeySequence::Copy);
}

} // namespace kalvo

#pragma once

#include <QString>

#include <functional>

class QCustomPlot;
class QMenu;
class QWidget;

namespace kalvo {

// Writes the plot as PNG (at twice its size, crisp on high-density screens), SVG or
// PDF, chosen by the file name's suffix; false when the file cannot be written.
bool savePlot(QCustomPlot* plot, const QString& fileName);

// Puts the plot on the clipboard as an image.
void copyPlotImage(QCustomPlot* plot);

// Adds "Export Image...", "Export Data as CSV..." (when csv is given) and "Copy Image"
// to menu; dialogs and messages are parented to parent.
void addPlotExportActions(QMenu* menu, QWidget* parent, QCustomPlot* plot, std::function<QString()> csv);

// Writes text to fileName atomically; false (and the old file untouched) on failure.
bool saveText(const QString& fileName, const QString& text);

} // namespace kalvo

#include "field_check_dialog.h"

#include "form_building.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kalvo {

FieldCheckDialog::FieldCheckDialog(const QString& topologyName, const Report& check, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fieldCheckDialog"));
    setWindowTitle(tr("Check with the Field Solver: %1").arg(topologyName));

    panel = new QPlainTextEdit(this);
    panel->setObjectName(QStringLiteral("fieldCheckText"));
    setUpResultPanel(panel);
    panel->setReadOnly(true);
    panel->setPlainText(check.text);

    // Wide enough for the longest line, tall enough for every line, within reason.
    const QFontMetrics metrics(panel->font());
    const QStringList lines = check.text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        int width = metrics.horizontalAdvance(cells.front());
        for (qsizetype i = 1; i < cells.size(); ++i) // the panel's tab stops are 40 px apart
            width = (width / 40 + 1) * 40 + metrics.horizontalAdvance(cells[i]);
        widest = std::max(widest, width);
    }
    panel->setMinimumSize(std::clamp(widest + 40, 360, 900),
                          std::clamp(static_cast<int>(lines.size() + 2) * metrics.lineSpacing(), 160, 700));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(buttons);
}

QString FieldCheckDialog::text() const
{
    return panel->toPlainText();
}

} // namespace kalvo

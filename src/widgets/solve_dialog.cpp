#include "solve_dialog.h"

#include "catalog.h"
#include "engineering_number.h"
#include "evaluation.h"
#include "solve.h"
#include "sweep.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kalvo {

using namespace analysis;

QString fieldTitle(const Topology& topology, int field)
{
    return columnTitle(topology.fieldLabel(field), QString::fromUtf8(topology.unit(field).shown));
}

SolveDialog::SolveDialog(const Program& program, const Topology& topology, const CalculationInput& input,
                         const SolveChoices& choices, QWidget* parent)
    : QDialog(parent)
    , program(program)
    , topology(topology)
    , input(input)
{
    setObjectName(QStringLiteral("solveDialog"));
    setWindowTitle(QStringLiteral("Solve for an Input"));
    setModal(true);

    fieldBox = new QComboBox(this);
    fieldBox->setObjectName(QStringLiteral("solveField"));
    for (int field = 1; field <= topology.visibleInputs; ++field)
        if (!topology.isFormulaField(field) && !topology.fieldLabel(field).isEmpty())
            fieldBox->addItem(fieldTitle(topology, field), field);
    quantityBox = new QComboBox(this);
    quantityBox->setObjectName(QStringLiteral("solveQuantity"));
    for (const QuantityInfo& q : quantityCatalog(program, topology, input)) {
        const QString title = columnTitle(q.key, q.unit);
        quantityBox->addItem(q.description.isEmpty() ? title : title + QStringLiteral("  ") + q.description, q.key);
    }
    targetEdit = new QLineEdit(this);
    targetEdit->setObjectName(QStringLiteral("solveTarget"));
    targetEdit->setPlaceholderText(QStringLiteral("e.g. 50, 10u, 4k7, 1meg"));
    targetEdit->setToolTip(QStringLiteral("In the result's SI unit; SI prefixes f p n u m k M (or meg) G T"));
    fromEdit = new QLineEdit(this);
    fromEdit->setObjectName(QStringLiteral("solveFrom"));
    toEdit = new QLineEdit(this);
    toEdit->setObjectName(QStringLiteral("solveTo"));
    fromEdit->setPlaceholderText(fieldText(defaultSolveRange.low));
    toEdit->setPlaceholderText(fieldText(defaultSolveRange.high));
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(fromEdit);
    rangeRow->addWidget(new QLabel(QStringLiteral("to"), this));
    rangeRow->addWidget(toEdit);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Input to change:"), fieldBox);
    form->addRow(QStringLiteral("&Result to reach:"), quantityBox);
    form->addRow(QStringLiteral("&Target value:"), targetEdit);
    form->addRow(QStringLiteral("Search &range:"), rangeRow);
    qobject_cast<QLabel*>(form->labelForField(rangeRow))->setBuddy(fromEdit);

    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("solveMessage"));
    messageLabel->setWordWrap(true);
    messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* solveButton = buttons->addButton(QStringLiteral("&Solve"), QDialogButtonBox::ActionRole);
    solveButton->setObjectName(QStringLiteral("solveButton"));
    solveButton->setDefault(true);
    connect(solveButton, &QPushButton::clicked, this, &SolveDialog::solveNow);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(messageLabel);
    layout->addWidget(buttons);

    if (const int index = fieldBox->findData(choices.field); index >= 0)
        fieldBox->setCurrentIndex(index);
    if (const int index = quantityBox->findData(choices.key); index >= 0)
        quantityBox->setCurrentIndex(index);
    targetEdit->setText(choices.target);
    fromEdit->setText(choices.from);
    toEdit->setText(choices.to);
}

SolveChoices SolveDialog::choices() const
{
    return {fieldBox->currentData().toInt(), quantityBox->currentData().toString(), targetEdit->text(),
            fromEdit->text(), toEdit->text()};
}

QString SolveDialog::message() const
{
    return messageLabel->text();
}

void SolveDialog::showMessage(const QString& text, bool problem)
{
    messageLabel->setText(text);
    QFont font = messageLabel->font();
    font.setBold(problem);
    messageLabel->setFont(font);
}

void SolveDialog::solveNow()
{
    SolveRequest request{.field = fieldBox->currentData().toInt(), .key = quantityBox->currentData().toString()};
    const std::optional<double> target = parseEngineeringNumber(targetEdit->text());
    if (request.field == 0 || request.key.isEmpty()) {
        showMessage(QStringLiteral("This topology has no input or result to solve for."), true);
        return;
    }
    if (!target || !std::isfinite(*target)) {
        showMessage(QStringLiteral("The target \"%1\" is not a number.").arg(targetEdit->text()), true);
        return;
    }
    request.target = *target;
    if (!fromEdit->text().trimmed().isEmpty() || !toEdit->text().trimmed().isEmpty()) {
        const std::optional<double> low = parseEngineeringNumber(
            fromEdit->text().trimmed().isEmpty() ? fieldText(defaultSolveRange.low) : fromEdit->text());
        const std::optional<double> high = parseEngineeringNumber(
            toEdit->text().trimmed().isEmpty() ? fieldText(defaultSolveRange.high) : toEdit->text());
        if (!low || !high || !std::isfinite(*low) || !std::isfinite(*high) || *low == *high) {
            showMessage(QStringLiteral("The range needs two different numbers."), true);
            return;
        }
        request.range = Range{std::min(*low, *high), std::max(*low, *high)};
    }

    Evaluation evaluation(program, topology, input);
    const SolveResult result = solve(evaluation, request);
    if (result.status != SolveStatus::Found) {
        QString text = solveFailureMessage(evaluation, request, result);
        text[0] = text[0].toUpper();
        showMessage(text + QLatin1Char('.'), true);
        return;
    }
    const QString unit = QString::fromUtf8(topology.unit(request.field).shown);
    const QString label = topology.fieldLabel(request.field);
    QStringList others;
    for (size_t i = 1; i < result.roots.size(); ++i)
        others.append(fieldText(result.roots[i]));
    const QString rootText = fieldText(result.roots.front());
    input.texts[request.field - 1] = rootText;
    showMessage(
        QStringLiteral("%1 = %2%3%4")
            .arg(label, rootText, unit.isEmpty() ? QString() : QLatin1Char(' ') + unit,
                 others.isEmpty() ? QString() : QStringLiteral("; other roots: ") + others.join(QStringLiteral(", "))),
        false);
    Q_EMIT solved(request.field, rootText);
}

} // namespace kalvo

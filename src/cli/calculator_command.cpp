#include "calculator_options.h"
#include "catalog.h"
#include "commands.h"
#include "engineering_number.h"
#include "evaluation.h"
#include "json_report.h"
#include "solve.h"
#include "sweep.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kalvo {
namespace {

using namespace analysis;

// A topology named by its button text (case-insensitive, blanks around ignored) or by
// the number N of radioButton_N.
const Topology* findTopology(const Program& program, const QString& word)
{
    const QString wanted = word.trimmed();
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber)
        return program.topologyByNumber(number);
    for (const Topology& topology : program.topologies)
        if (wanted.compare(QString::fromUtf8(topology.buttonText), Qt::CaseInsensitive) == 0)
            return &topology;
    return nullptr;
}

int listTopologies(const Program& program, QTextStream& out)
{
    for (const Topology& topology : program.topologies)
        out << topology.number << '\t' << QString::fromUtf8(topology.buttonText) << '\n';
    return exitSuccess;
}

int listQuantities(const Program& program, const Topology& topology, const CalculationInput& input, QTextStream& out)
{
    for (int field = 1; field <= topology.visibleInputs; ++field)
        out << "input\t" << field << '\t' << topology.fieldLabel(field) << '\t' << topology.unit(field).shown
            << (topology.isFormulaField(field) ? "\tformula" : "") << '\n';
    for (const QuantityInfo& q : quantityCatalog(program, topology, input))
        out << "quantity\t" << q.key << '\t' << q.unit << '\t' << q.description << '\n';
    return exitSuccess;
}

QString fieldName(const Topology& topology, int field)
{
    const QString label = topology.fieldLabel(field);
    return label.isEmpty() ? QStringLiteral("field %1").arg(field) : label;
}

// Values must be numbers (or formulas where the field takes one): the windows read
// anything else as 0, which a script would not notice.
QString firstNonNumber(const Program& program, const Topology& topology, const QStringList& values)
{
    for (int row = 0; row < values.size(); ++row) {
        const int field = row + 1;
        bool ok = false;
        values[row].toDouble(&ok);
        if (!values[row].isEmpty() && !ok && !topology.isFormulaField(field))
            return QStringLiteral("%1 %2: %3 = \"%4\" is not a number")
                .arg(QLatin1String(program.name), QString::fromUtf8(topology.buttonText), fieldName(topology, field),
                     values[row]);
    }
    return {};
}

int findNamedField(const Topology& topology, const QString& name, QString& error)
{
    const int field = findField(topology, name);
    if (field == 0)
        error = QStringLiteral("%1 has no input field %2 (see --quantities)")
                    .arg(QString::fromUtf8(topology.buttonText), name);
    else if (topology.isFormulaField(field))
        error = QStringLiteral("%1 holds a formula, not a number").arg(fieldName(topology, field));
    return error.isEmpty() ? field : 0;
}

void printJson(const QJsonValue& value, QTextStream& out)
{
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

// --field-solver on a topology without a check: which ones have one.
QString fieldCheckTopologies(const Program& program, const Topology& topology)
{
    QStringList checked;
    for (const Topology& t : program.topologies)
        if (t.fieldCheck != nullptr)
            checked.append(QString::fromUtf8(t.buttonText));
    if (checked.isEmpty())
        return QStringLiteral("%1: --field-solver checks no topology of this program").arg(QLatin1String(program.name));
    return QStringLiteral("%1 %2: --field-solver checks only %3")
        .arg(QLatin1String(program.name), QString::fromUtf8(topology.buttonText), checked.join(QStringLiteral(", ")));
}

// The report at input, as text or JSON (with extra members), followed by the field
// solver's check where --field-solver asks for it. A check without a result fails.
int printComputation(const Program& program, const Topology& topology, const CalculationInput& input,
                     const Report& report, const CalculatorOptions& options, QJsonObject extra, QTextStream& out)
{
    std::optional<Report> check;
    if (options.fieldSolver)
        check = topology.fieldCheck(input);
    if (options.json) {
        QJsonObject object = reportJson(program, topology, input, report);
        for (auto member = extra.begin(); member != extra.end(); ++member)
            object.insert(member.key(), member.value());
        if (check)
            object.insert(QStringLiteral("fieldSolver"), fieldSolverJson(*check));
        printJson(object, out);
    } else {
        out << report.text << '\n';
        if (check)
            out << '\n' << check->text << '\n';
    }
    return check && !check->ok ? exitFailure : exitSuccess;
}

int runSolve(const Program& program, const CalculatorOptions& options, Evaluation& evaluation, QTextStream& out,
             QTextStream& err)
{
    const Topology& topology = evaluation.topology();
    QString error;
    SolveRequest request;
    request.field = findNamedField(topology, *options.solveField, error);
    if (request.field == 0)
        return usageError(err, error);
    const qsizetype equals = options.target->indexOf(QLatin1Char('='));
    if (equals <= 0)
        return usageError(err, QStringLiteral("--target needs KEY=VALUE, not %1").arg(*options.target));
    request.key = options.target->left(equals).trimmed();
    const std::optional<double> target = parseEngineeringNumber(options.target->mid(equals + 1));
    if (!target || !std::isfinite(*target))
        return usageError(err,
                          QStringLiteral("the target %1 is not a finite number").arg(options.target->mid(equals + 1)));
    request.target = *target;
    if (options.between) {
        const std::optional<double> low = parseEngineeringNumber(options.between->at(0));
        const std::optional<double> high = parseEngineeringNumber(options.between->at(1));
        if (!low || !high || !std::isfinite(*low) || !std::isfinite(*high) || *low == *high)
            return usageError(err, QStringLiteral("--between needs two different finite numbers"));
        request.range = Range{std::min(*low, *high), std::max(*low, *high)};
    }

    const SolveResult result = solve(evaluation, request);
    if (result.status == SolveStatus::BadRequest || result.status == SolveStatus::UnknownQuantity)
        return usageError(err, solveFailureMessage(evaluation, request, result));
    if (result.status != SolveStatus::Found) {
        err << "kalvo-cli: " << solveFailureMessage(evaluation, request, result) << '\n';
        return exitFailure;
    }

    CalculationInput solved = evaluation.input();
    solved.texts[request.field - 1] = fieldText(result.roots.front());
    Evaluation atRoot(program, topology, solved);
    QJsonObject extra;
    if (options.json) {
        QJsonArray roots;
        for (double root : result.roots)
            roots.append(root);
        extra.insert(QStringLiteral("solve"),
                     QJsonObject{{QStringLiteral("field"), topology.fieldLabel(request.field)},
                                 {QStringLiteral("key"), request.key},
                                 {QStringLiteral("target"), request.target},
                                 {QStringLiteral("roots"), roots}});
    } else {
        const QString unit = QString::fromUtf8(topology.unit(request.field).shown);
        for (double root : result.roots)
            out << topology.fieldLabel(request.field) << " = " << fieldText(root) << (unit.isEmpty() ? "" : " ") << unit
                << '\n';
        out << '\n';
    }
    return printComputation(program, topology, atRoot.input(), atRoot.report(), options, extra, out);
}

int runSweep(const Program& program, const CalculatorOptions& options, Evaluation& evaluation, QTextStream& out,
             QTextStream& err)
{
    const Topology& topology = evaluation.topology();
    const qsizetype equals = options.sweep->indexOf(QLatin1Char('='));
    const QStringList limits = options.sweep->mid(equals + 1).split(QLatin1Char(':'));
    if (equals <= 0 || limits.size() != 3)
        return usageError(err, QStringLiteral("--sweep needs FIELD=FROM:TO:N, not %1").arg(*options.sweep));
    QString error;
    SweepRequest request;
    request.field = findNamedField(topology, options.sweep->left(equals), error);
    if (request.field == 0)
        return usageError(err, error);
    const std::optional<double> from = parseEngineeringNumber(limits[0]);
    const std::optional<double> to = parseEngineeringNumber(limits[1]);
    bool countOk = false;
    request.points = limits[2].trimmed().toInt(&countOk);
    if (!from || !to || !countOk)
        return usageError(err, QStringLiteral("--sweep needs numbers in FIELD=FROM:TO:N, not %1").arg(*options.sweep));
    request.from = *from;
    request.to = *to;
    request.logarithmic = options.logarithmic;
    // The table prints values alone; JSON gives every point's shown texts as well.
    request.detail = options.json ? ReportDetail::Full : ReportDetail::ValuesOnly;
    if (const QString problem = sweepRequestError(topology, request); !problem.isEmpty())
        return usageError(err, problem);

    const std::vector<SweepPoint> points = sweep(evaluation, request);
    if (!options.json) {
        out << sweepTable(topology, request.field, points);
        return exitSuccess;
    }
    QJsonArray array;
    CalculationInput input = evaluation.input();
    for (const SweepPoint& point : points) {
        input.texts[request.field - 1] = fieldText(point.x);
        array.append(reportJson(program, topology, input, point.report, false));
    }
    printJson(array, out);
    return exitSuccess;
}

} // namespace

int runCalculatorCommand(const Program& program, const QStringList& args, QTextStream& out, QTextStream& err)
{
    CalculatorOptions options;
    if (const QString problem = parseCalculatorOptions(args, !program.layout.angleGroup.isNull(), options);
        !problem.isEmpty())
        return usageError(err, QStringLiteral("%1: %2").arg(QLatin1String(program.name), problem));
    if (options.list)
        return options.words.isEmpty() ? listTopologies(program, out)
                                       : usageError(err, QStringLiteral("--list takes no other arguments"));
    QStringList words = options.words;
    if (words.isEmpty())
        return usageError(err,
                          QStringLiteral("%1: a topology is needed (see --list)").arg(QLatin1String(program.name)));

    const Topology* topology = findTopology(program, words.takeFirst());
    if (topology == nullptr)
        return usageError(err, QStringLiteral("%1: unknown topology (see --list)").arg(QLatin1String(program.name)));
    if (words.size() > program.layout.inputRows)
        return usageError(
            err,
            QStringLiteral("%1: at most %2 values").arg(QLatin1String(program.name)).arg(program.layout.inputRows));
    if (options.fieldSolver && topology->fieldCheck == nullptr)
        return usageError(err, fieldCheckTopologies(program, *topology));
    if (topology->report == nullptr) {
        err << program.name << ": " << topology->buttonText << " cannot be computed\n";
        return exitFailure;
    }
    if (const QString problem = firstNonNumber(program, *topology, words); !problem.isEmpty())
        return usageError(err, problem);

    // Fields not given keep the text the window shows when the topology is first chosen.
    CalculationInput input = program.startInput(*topology, options.moreDigits);
    for (int row = 0; row < words.size(); ++row)
        input.texts[row] = words[row];
    input.radians = options.radians;
    if (options.quantities)
        return listQuantities(program, *topology, input, out);

    Evaluation evaluation(program, *topology, input);
    if (options.solveField)
        return runSolve(program, options, evaluation, out, err);
    if (options.sweep)
        return runSweep(program, options, evaluation, out, err);
    return printComputation(program, *topology, evaluation.input(), evaluation.report(), options, {}, out);
}

} // namespace kalvo

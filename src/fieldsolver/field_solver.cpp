#include "field_solver.h"

#include "constants.h"
#include "flux.h"
#include "kernels.h"
#include "mesh.h"
#include "model.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvo::fieldsolver {
namespace {

using namespace detail;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double minTolerance = 1e-6;
constexpr double maxTolerance = 0.5;
// The order of convergence of the capacitances under the graded meshes (measured: the
// change between refinements falls by 4 to 8 per doubling); the observed order is used
// when it is lower.
constexpr double assumedOrder = 2.0;
constexpr double irregularOrder = 0.5;
constexpr int minimumMeshes = 3;

struct Capacitances {
    Eigen::MatrixXd withDielectric;
    Eigen::MatrixXd air;
};

// The free charge density of a conductor panel (times its length) from the solved total
// charge densities x. A thin strip's two faces see epsPlus and epsMinus; its free charge
// is (e+ + e-)/2 x + (e+ - e-) En, with En the normal field of all other charge.
struct ChargeWeights {
    std::vector<double> self; // per conductor panel
    std::vector<int> thinRows; // conductor panels with e+ != e-
    Eigen::MatrixXd thinField; // their normal field per unit charge of every panel
    std::vector<double> thinWeight; // (e+ - e-) * length
};

Eigen::MatrixXd charges(const Model& model, const std::vector<Panel>& panels, int conductorPanels,
                        const ChargeWeights& weights, const Eigen::MatrixXd& solution)
{
    const int signals = model.signalCount;
    Eigen::MatrixXd q = Eigen::MatrixXd::Zero(signals, solution.cols());
    for (int i = 0; i < conductorPanels; ++i) {
        const int row = model.bodies[static_cast<std::size_t>(panels[static_cast<std::size_t>(i)].owner)].signalIndex;
        if (row >= 0)
            q.row(row) += weights.self[static_cast<std::size_t>(i)] * solution.row(i);
    }
    for (std::size_t k = 0; k < weights.thinRows.size(); ++k) {
        const int i = weights.thinRows[k];
        const int row = model.bodies[static_cast<std::size_t>(panels[static_cast<std::size_t>(i)].owner)].signalIndex;
        if (row >= 0)
            q.row(row) += weights.thinWeight[k]
                * (weights.thinField.row(static_cast<Eigen::Index>(k)) * solution.topRows(weights.thinField.cols()));
    }
    return physics::eps0 * q;
}

Eigen::MatrixXd excitations(const Model& model, const std::vector<Panel>& panels, int conductorPanels, int rows)
{
    Eigen::MatrixXd rhs = Eigen::MatrixXd::Zero(rows, model.signalCount);
    for (int i = 0; i < conductorPanels; ++i) {
        const int signal
            = model.bodies[static_cast<std::size_t>(panels[static_cast<std::size_t>(i)].owner)].signalIndex;
        if (signal >= 0)
            rhs(i, signal) = 1.0;
    }
    return rhs;
}

Capacitances solveMesh(const Model& model, const Kernel& kernel, const std::vector<Contour>& contours,
                       const std::vector<Panel>& panels)
{
    const int total = static_cast<int>(panels.size());
    int conductorPanels = 0;
    while (conductorPanels < total && panels[static_cast<std::size_t>(conductorPanels)].owner >= 0)
        ++conductorPanels;
    const bool floating = model.green == Green::Free; // the potential at infinity is an unknown
    const int size = total + (floating ? 1 : 0);

    Eigen::MatrixXd a(size, size);
    for (int i = 0; i < total; ++i) {
        const Panel& target = panels[static_cast<std::size_t>(i)];
        if (target.owner >= 0) {
            for (int j = 0; j < total; ++j)
                a(i, j)
                    = kernel(panels[static_cast<std::size_t>(j)], target.mid, i == j, target.circle, false).potential;
            if (floating)
                a(i, total) = 1.0;
        } else {
            // Continuity of D across the interface: (e+ + e-)/2 x + (e+ - e-) En = 0.
            const double contrast = 2.0 * (target.epsPlus - target.epsMinus) / (target.epsPlus + target.epsMinus);
            for (int j = 0; j < total; ++j) {
                const Influence influence
                    = kernel(panels[static_cast<std::size_t>(j)], target.mid, i == j, target.circle, true);
                a(i, j) = contrast * dot(influence.field, target.normal) + (i == j ? 1.0 : 0.0);
            }
            if (floating)
                a(i, total) = 0.0;
        }
    }
    if (floating) {
        // No net charge, so that the potential stays finite far away.
        for (int j = 0; j < total; ++j)
            a(total, j) = panels[static_cast<std::size_t>(j)].length;
        a(total, total) = 0.0;
    }

    ChargeWeights airWeights;
    ChargeWeights weights;
    bool homogeneous = conductorPanels == total;
    for (int i = 0; i < conductorPanels; ++i) {
        const Panel& panel = panels[static_cast<std::size_t>(i)];
        airWeights.self.push_back(panel.length);
        if (panel.thin) {
            weights.self.push_back(0.5 * (panel.epsPlus + panel.epsMinus) * panel.length);
            if (panel.epsPlus != panel.epsMinus) {
                weights.thinRows.push_back(i);
                weights.thinWeight.push_back((panel.epsPlus - panel.epsMinus) * panel.length);
            }
        } else {
            weights.self.push_back(panel.epsPlus * panel.length);
        }
        homogeneous = homogeneous && panel.epsPlus == panels.front().epsPlus && panel.epsMinus == panel.epsPlus;
    }
    airWeights.thinField.resize(0, total);

    Capacitances result;
    // Without dielectric: the conductor panels alone.
    {
        const int airSize = conductorPanels + (floating ? 1 : 0);
        Eigen::MatrixXd air(airSize, airSize);
        air.topLeftCorner(conductorPanels, conductorPanels) = a.topLeftCorner(conductorPanels, conductorPanels);
        if (floating) {
            air.col(conductorPanels).setOnes();
            air.row(conductorPanels).head(conductorPanels) = a.row(total).head(conductorPanels);
            air(conductorPanels, conductorPanels) = 0.0;
        }
        const Eigen::PartialPivLU<Eigen::Ref<Eigen::MatrixXd>> lu(air); // in place
        const Eigen::MatrixXd solution = lu.solve(excitations(model, panels, conductorPanels, airSize));
        result.air = charges(model, panels, conductorPanels, airWeights, solution);
    }
    if (homogeneous) {
        result.withDielectric = panels.front().epsPlus * result.air;
        return result;
    }
    weights.thinField.resize(static_cast<Eigen::Index>(weights.thinRows.size()), total);
    for (std::size_t k = 0; k < weights.thinRows.size(); ++k) {
        const Panel& target = panels[static_cast<std::size_t>(weights.thinRows[k])];
        for (int j = 0; j < total; ++j) {
            const Influence influence = kernel(panels[static_cast<std::size_t>(j)], target.mid,
                                               weights.thinRows[k] == j, target.circle, true);
            weights.thinField(static_cast<Eigen::Index>(k), j) = dot(influence.field, target.normal);
        }
    }
    const Eigen::PartialPivLU<Eigen::Ref<Eigen::MatrixXd>> lu(a); // in place: the matrix is not needed again
    const Eigen::MatrixXd solution = lu.solve(excitations(model, panels, conductorPanels, size));
    result.withDielectric = charges(model, panels, conductorPanels, weights, solution);
    for (std::size_t body = 0; body < model.bodies.size(); ++body) {
        const int row = model.bodies[body].signalIndex;
        if (row < 0 || contours[body].empty())
            continue;
        const std::vector<double> contour = contourWeights(model, contours[body], panels);
        const Eigen::Map<const Eigen::RowVectorXd> w(contour.data(), total);
        result.withDielectric.row(row) = physics::eps0 * (w * solution.topRows(total));
    }
    return result;
}

// The largest relative difference of two capacitance matrices: entries relative to
// sqrt(Cii Cjj), row sums (the charge with every signal conductor at 1 V) relative to
// themselves.
double difference(const Eigen::MatrixXd& fine, const Eigen::MatrixXd& coarse)
{
    double largest = 0.0;
    const Eigen::Index n = fine.rows();
    for (Eigen::Index i = 0; i < n; ++i) {
        for (Eigen::Index j = 0; j < n; ++j) {
            const double reference = std::sqrt(std::abs(fine(i, i) * fine(j, j)));
            largest = std::max(largest, std::abs(fine(i, j) - coarse(i, j)) / reference);
        }
        const double sumFine = fine.row(i).sum();
        const double sumCoarse = coarse.row(i).sum();
        const double reference = std::max(std::abs(sumFine), 1e-6 * std::abs(fine(i, i)));
        largest = std::max(largest, std::abs(sumFine - sumCoarse) / reference);
    }
    return std::isfinite(largest) ? largest : std::numeric_limits<double>::infinity();
}

double difference(const Capacitances& fine, const Capacitances& coarse)
{
    return std::max(difference(fine.withDielectric, coarse.withDielectric), difference(fine.air, coarse.air));
}

CapacitanceMatrix toMatrix(const Eigen::MatrixXd& m)
{
    CapacitanceMatrix matrix;
    matrix.size = static_cast<int>(m.rows());
    for (Eigen::Index i = 0; i < m.rows(); ++i)
        for (Eigen::Index j = 0; j < m.cols(); ++j)
            matrix.values.push_back(m(i, j));
    return matrix;
}

bool hasValues(const Result& result)
{
    return result.error == Error::None || result.error == Error::NotConverged;
}

double lineImpedance(double c, double cAir)
{
    return 1.0 / (physics::c0 * std::sqrt(c * cAir));
}

} // namespace

const char* errorMessage(Error error)
{
    switch (error) {
    case Error::None:
        return "No error.";
    case Error::InvalidSize:
        return "A size is zero, negative or not a finite number.";
    case Error::InvalidPosition:
        return "A position is not a finite number.";
    case Error::InvalidPermittivity:
        return "A relative permittivity is not between 1 and 10000.";
    case Error::InvalidOptions:
        return "The tolerance is not between 1e-6 and 0.5, or more than 5000 elements are allowed.";
    case Error::NoSignalConductor:
        return "There is no signal conductor.";
    case Error::TooManyConductors:
        return "There are more than 16 conductors.";
    case Error::NoReference:
        return "There is no ground plane, shield or grounded conductor.";
    case Error::ConductorsOverlap:
        return "Two conductors touch or overlap, or an insulation overlaps something.";
    case Error::ConductorTouchesGround:
        return "A conductor or its insulation touches or crosses a ground plane or the shield.";
    case Error::ConductorCrossesInterface:
        return "A conductor or its insulation crosses a dielectric interface, or a round one touches one.";
    case Error::LayersBeyondGround:
        return "The dielectric layers reach beyond the ground plane or the shield.";
    case Error::RatioOutOfRange:
        return "The sizes and gaps span too wide a range to resolve (more than 1e6).";
    case Error::TooManyElements:
        return "The cross-section needs more elements than allowed.";
    case Error::NotConverged:
        return "The field solution did not reach the tolerance within the element limit.";
    }
    return "Unknown error.";
}

Result solve(const CrossSection& crossSection, const Options& options)
{
    Result result;
    if (!(options.tolerance >= minTolerance && options.tolerance <= maxTolerance)
        || options.maxElements > maxElementsLimit) {
        result.error = Error::InvalidOptions;
        return result;
    }
    Model model;
    result.error = buildModel(crossSection, model);
    if (result.error != Error::None)
        return result;

    const Mesher mesher(model);
    const Kernel kernel(model);
    const long long base = mesher.baseCount();
    if (base << (minimumMeshes - 1) > options.maxElements) {
        result.error = Error::TooManyElements;
        return result;
    }

    // Conductors whose faces border different dielectrics get their free charge from a
    // contour around them.
    std::vector<Contour> contours(model.bodies.size());
    for (std::size_t body = 0; body < model.bodies.size(); ++body)
        if (model.bodies[body].signalIndex >= 0 && needsContour(model, static_cast<int>(body)))
            contours[body] = contourAround(model, static_cast<int>(body));

    // Each mesh doubles the panels of the one before. From the third on, the changes
    // between meshes give the order of convergence p; where it is at least 1 the last
    // two results are extrapolated (Richardson) and the error estimate is the last change
    // over 2^p - 1, the error of the finer result; otherwise the finer result stands and
    // the estimate assumes an order of 1/2.
    Capacitances coarse;
    Capacitances fine;
    double previousChange = 0.0;
    result.error = Error::NotConverged;
    for (int level = 0; (base << level) <= options.maxElements; ++level) {
        const std::vector<Panel> panels = mesher.panels(level);
        coarse = std::move(fine);
        fine = solveMesh(model, kernel, contours, panels);
        result.elements = static_cast<int>(panels.size());
        result.refinements = level + 1;
        if (level == 0)
            continue;
        const double change = difference(fine, coarse);
        const double ratio = previousChange / change; // inf when change is 0
        previousChange = change;
        if (level + 1 < minimumMeshes)
            continue;
        const bool regular = ratio >= 2.0;
        const double order = regular ? std::min(std::log2(ratio), assumedOrder) : irregularOrder;
        const double factor = 1.0 / (std::exp2(order) - 1.0);
        const double extrapolation = regular ? factor : 0.0;
        result.estimatedError = change * factor;
        result.capacitance
            = toMatrix(fine.withDielectric + extrapolation * (fine.withDielectric - coarse.withDielectric));
        result.airCapacitance = toMatrix(fine.air + extrapolation * (fine.air - coarse.air));
        if (result.estimatedError <= options.tolerance) {
            result.error = Error::None;
            break;
        }
    }
    return result;
}

LineParameters singleLine(const Result& result)
{
    if (!hasValues(result) || result.capacitance.size != 1)
        return {nan, nan, nan, nan, nan};
    const double c = result.capacitance(0, 0);
    const double cAir = result.airCapacitance(0, 0);
    LineParameters line;
    line.impedance = lineImpedance(c, cAir);
    line.effectivePermittivity = c / cAir;
    line.inductance = 1.0 / (physics::c0 * physics::c0 * cAir);
    line.capacitance = c;
    line.delay = std::sqrt(c / cAir) / physics::c0;
    return line;
}

CoupledLineParameters coupledLines(const Result& result)
{
    if (!hasValues(result) || result.capacitance.size != 2)
        return {nan, nan, nan, nan, nan, nan};
    const auto modes = [](const CapacitanceMatrix& m, double& even, double& odd) {
        const double self = 0.5 * (m(0, 0) + m(1, 1));
        const double mutual = 0.5 * (m(0, 1) + m(1, 0));
        even = self + mutual;
        odd = self - mutual;
    };
    double even = 0.0, odd = 0.0, evenAir = 0.0, oddAir = 0.0;
    modes(result.capacitance, even, odd);
    modes(result.airCapacitance, evenAir, oddAir);
    CoupledLineParameters lines;
    lines.oddImpedance = lineImpedance(odd, oddAir);
    lines.evenImpedance = lineImpedance(even, evenAir);
    lines.oddEffectivePermittivity = odd / oddAir;
    lines.evenEffectivePermittivity = even / evenAir;
    lines.differentialImpedance = 2.0 * lines.oddImpedance;
    lines.commonImpedance = 0.5 * lines.evenImpedance;
    return lines;
}

} // namespace kalvo::fieldsolver

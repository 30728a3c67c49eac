"""The error pictures of the kalvo-inductance accuracy studies (PNG, matplotlib)."""

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.colors import BoundaryNorm  # noqa: E402

# Error bands in percent: the colours of the maps.
LEVELS = [-100, -50, -20, -10, -5, -1, 1, 5, 10, 20, 50, 100, 500]
SIZE = (7.0, 4.4)


def _save(figure, path):
    figure.tight_layout()
    # No software version or date in the file: regenerating unchanged figures changes nothing.
    figure.savefig(path, dpi=100, metadata={"Software": None})
    plt.close(figure)


def _bands(axes):
    for limit, shade in ((20, "0.93"), (10, "0.87"), (5, "0.8")):
        axes.axhspan(-limit, limit, color=shade, zorder=0)
    axes.axhline(0, color="0.4", linewidth=0.8)


def curves(path, x, series, xlabel, title, logx=True, ylabel=None):
    """Values along one parameter; series: (label, values). Without ylabel the values are
    relative errors, drawn in percent over grey bands at 5, 10 and 20 %."""
    figure, axes = plt.subplots(figsize=SIZE)
    if ylabel is None:
        _bands(axes)
    else:
        axes.axhline(0, color="0.4", linewidth=0.8)
    for label, values in series:
        axes.plot(x, (100 if ylabel is None else 1) * np.asarray(values), marker=".", label=label)
    if logx:
        axes.set_xscale("log")
    axes.set_xlabel(xlabel)
    axes.set_ylabel(ylabel or "error [%]")
    axes.set_title(title)
    if len(series) > 1:
        axes.legend()
    axes.grid(True, which="both", linewidth=0.3)
    _save(figure, path)


def scatter(path, x, errors, xlabel, title):
    """Errors of many points against one parameter."""
    figure, axes = plt.subplots(figsize=SIZE)
    _bands(axes)
    axes.plot(x, 100 * np.asarray(errors), ".", markersize=3)
    axes.set_xscale("log")
    axes.set_xlabel(xlabel)
    axes.set_ylabel("error [%]")
    axes.set_title(title)
    axes.grid(True, which="both", linewidth=0.3)
    _save(figure, path)


def error_map(path, xs, ys, errors, xlabel, ylabel, title, logy=False, warned=None):
    """A map of the error in percent bands; with warned, the region the report warns about
    is hatched."""
    figure, axes = plt.subplots(figsize=SIZE)
    cmap = plt.get_cmap("RdBu_r", len(LEVELS) - 1)
    norm = BoundaryNorm(LEVELS, cmap.N)
    mesh = axes.pcolormesh(xs, ys, 100 * errors, cmap=cmap, norm=norm, shading="nearest")
    figure.colorbar(mesh, ax=axes, ticks=LEVELS, label="error [%]")
    finite = np.where(np.isfinite(errors), 100 * np.abs(errors), np.nan)
    lines = axes.contour(xs, ys, finite, levels=[5, 10, 20], colors="k", linewidths=[0.6, 0.9, 1.4])
    axes.clabel(lines, fmt="%g %%", fontsize=7, inline=False)
    if warned is not None:
        axes.contourf(xs, ys, warned, levels=[0.5, 1.5], colors="none", hatches=["///"])
        axes.contour(xs, ys, warned, levels=[0.5], colors="0.2", linewidths=0.8, linestyles="dashed")
    axes.set_xscale("log")
    if logy:
        axes.set_yscale("log")
    axes.set_xlabel(xlabel)
    axes.set_ylabel(ylabel)
    axes.set_title(title)
    _save(figure, path)


def magnitude_map(path, xs, ys, values, xlabel, ylabel, title, label):
    """A map of log10 of a small magnitude."""
    figure, axes = plt.subplots(figsize=SIZE)
    shown = np.log10(np.maximum(np.abs(values), 1e-16))
    mesh = axes.pcolormesh(xs, ys, shown, cmap="viridis", shading="nearest")
    figure.colorbar(mesh, ax=axes, label=label)
    axes.set_xscale("log")
    axes.set_yscale("log")
    axes.set_xlabel(xlabel)
    axes.set_ylabel(ylabel)
    axes.set_title(title)
    _save(figure, path)

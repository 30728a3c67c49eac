#!/usr/bin/env bash
# Sets everything up and starts one Kalvo program: scripts/run.sh [PROGRAM]
# PROGRAM is rc (the default), impedance, ee, inductance, stat, xy, resistor or pcb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-rc}
program=${program#kalvo-}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "kalvo: no display found; to run it headless use: xvfb-run -a scripts/run.sh $program" >&2
    exit 1
fi
"$root/scripts/setup.sh"
exec "${KALVO_BUILD_DIR:-$root/build}/bin/kalvo-$program"

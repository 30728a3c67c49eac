#!/usr/bin/env bash
# Sets everything up and runs the whole test suite through ctest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
ctest --test-dir "${KALVO_BUILD_DIR:-$root/build}" --output-on-failure -j2

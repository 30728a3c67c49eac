#!/usr/bin/env bash
# Installs the Debian 12 packages Kalvo needs (when missing), then configures and
# builds everything into build/ (or $KALVO_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}

packages=(g++ cmake make qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          libgtest-dev libbenchmark-dev xvfb xauth locales fonts-dejavu-core
          fonts-arabeyes poppler-utils desktop-file-utils groff-base xdotool
          libboost-dev python3 libqcustomplot-dev appstream libeigen3-dev)
"$root/scripts/install-packages.sh" "${packages[@]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# The tests check that reports keep '.' as decimal separator under a German locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${sudo[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${sudo[@]}" locale-gen >/dev/null
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

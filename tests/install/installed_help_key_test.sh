#!/usr/bin/env bash
# F1 in every installed program, started through its link in bin/, hands the desktop the
# help document that lies beside the real executable. Runs each program on a private X
# server (Xvfb), presses F1 (xdotool) and records the URL given to an xdg-open stand-in.
# usage: installed_help_key_test.sh BUILD_DIR PROGRAM...
set -euo pipefail
build=$1
shift
programs=("$@")

work=$(realpath "$(mktemp -d)")
server=
app=
cleanup() {
    [ -z "$app" ] || { kill "$app" && wait "$app"; } 2>/dev/null || true
    [ -z "$server" ] || { kill "$server" && wait "$server"; } 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
mkdir "$work/fake-bin"
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$work" > "$work/fake-bin/xdg-open"
chmod +x "$work/fake-bin/xdg-open"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
# Qt hands file URLs to xdg-open when it runs under no known desktop environment.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

expected="file://$work/prefix/lib/kalvo/Quennix_Help.pdf"
for program in "${programs[@]}"; do
    rm -f "$work/opened"
    (cd / && exec env PATH="$work/fake-bin:$PATH" QT_QPA_PLATFORM=xcb "$work/prefix/bin/kalvo-$program") \
        >/dev/null 2>&1 &
    app=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app" | head -1) ||
        fail "kalvo-$program showed no window"
    xdotool windowfocus --sync "$window" 2>/dev/null
    for _ in $(seq 50); do
        [ -s "$work/opened" ] && break
        xdotool key F1
        sleep 0.2
    done
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    [ -s "$work/opened" ] || fail "F1 in kalvo-$program opened nothing"
    opened=$(head -1 "$work/opened")
    [ "$opened" = "$expected" ] || fail "F1 in kalvo-$program opened $opened, not $expected"
done
echo "installed help key test: F1 opens $expected in ${#programs[@]} programs"

#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: every program
# and kalvo-cli in lib/kalvo beside the help document, reachable through links in bin/,
# with a valid desktop entry, an SVG icon and a manual page each, the copyright file and
# the AppStream metadata.
# usage: install_test.sh BUILD_DIR APP_DIR_PROBE PROGRAM...
set -euo pipefail
build=$1
probe=$2
shift 2
programs=("$@")

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for executable in "${programs[@]/#/kalvo-}" kalvo-cli; do
    link=$prefix/bin/$executable
    [ -L "$link" ] || fail "$link is not a symbolic link"
    resolved=$(readlink -f "$link")
    [ "$resolved" = "$(readlink -f "$prefix/lib/kalvo/$executable")" ] || fail "$link points to $resolved"
    [ -x "$resolved" ] || fail "$resolved is not executable"
    [ -s "$(dirname "$resolved")/Quennix_Help.pdf" ] || fail "no help document beside $resolved"
done

for program in "${programs[@]}"; do
    desktop=$prefix/share/applications/kalvo-$program.desktop
    desktop-file-validate "$desktop" || fail "$desktop does not validate"
    grep -qx "Exec=kalvo-$program" "$desktop" || fail "$desktop does not start kalvo-$program"
    grep -qx "Icon=kalvo-$program" "$desktop" || fail "$desktop names another icon"
    icon=$prefix/share/icons/hicolor/scalable/apps/kalvo-$program.svg
    grep -q "<svg" "$icon" || fail "$icon is no SVG picture"
    # The installed window starts (and keeps running until stopped) from its link.
    status=0
    (cd / && QT_QPA_PLATFORM=offscreen timeout 2 "$prefix/bin/kalvo-$program" >/dev/null 2>&1) || status=$?
    [ "$status" -eq 124 ] || fail "kalvo-$program ended with status $status instead of running"
done

expected=$("$build/bin/kalvo-cli" rc RC 1000 1e-6)
actual=$(cd / && "$prefix/bin/kalvo-cli" rc RC 1000 1e-6)
[ "$actual" = "$expected" ] || fail "installed kalvo-cli printed: $actual"
"$prefix/bin/kalvo-cli" --help | grep -q "kalvo-cli calc" || fail "kalvo-cli --help lacks calc"

for page in kalvo-cli "${programs[@]/#/kalvo-}"; do
    manual=$prefix/share/man/man1/$page.1
    [ -f "$manual" ] || fail "no manual page $manual"
    warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$manual" 2>&1) || fail "groff failed on $manual"
    [ -z "$warnings" ] || fail "$manual: $warnings"
done

copyright=$prefix/share/doc/kalvo/copyright
grep -q "^License: GPL-3.0-or-later" "$copyright" || fail "$copyright does not name the licence"
metainfo=$prefix/share/metainfo/org.kalvo.kalvo.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null || fail "$metainfo does not validate"

# F1 opens the document from applicationDirPath(); Qt resolves the link to the real directory.
mkdir "$prefix/links"
ln -s "$probe" "$prefix/links/probe"
reported=$("$prefix/links/probe")
[ "$reported" = "$(dirname "$(readlink -f "$probe")")" ] || fail "a linked program reports the directory $reported"

echo "install test: ${#programs[@]} programs, kalvo-cli, help document, desktop entries, icons, manual pages, copyright and AppStream metadata installed"

#!/usr/bin/env bash
# Checks the generated help document: every program has a chapter of at least one page,
# every topology, mode and choice the programs offer is named in its chapter, and every
# picture the manual shows exists.
# usage: help_document_test.sh PDF KALVO_CLI SOURCE_DIR
set -euo pipefail
pdf=$1
cli=$2
source_dir=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" -ge 9 ] || fail "$pdf has only $pages pages"

# The running header (the top 68 points) of every page, read once.
headers=()
for ((page = 1; page <= pages; ++page)); do
    headers[page]=$(pdftotext -f "$page" -l "$page" -x 0 -y 0 -W 595 -H 68 "$pdf" - | tr -s '[:space:]' ' ')
done

# The text of a chapter: every page whose running header names it.
chapter_text() {
    local page
    for ((page = 1; page <= pages; ++page)); do
        if [[ ${headers[page]} == *"(kalvo-$1)"* ]]; then
            pdftotext -f "$page" -l "$page" "$pdf" -
        fi
    done | tr -s '[:space:]' ' '
}

expect_names() { # PROGRAM NAME...
    local program=$1 text
    shift
    text=$(chapter_text "$program")
    [ -n "$text" ] || fail "no page of the manual belongs to kalvo-$program"
    for name in "$@"; do
        [[ $text == *"$(tr -s '[:space:]' ' ' <<<"$name" | sed 's/ $//')"* ]] || fail "the kalvo-$program chapter does not name \"$name\""
    done
}

for program in rc impedance ee inductance xy pcb; do
    mapfile -t names < <("$cli" "$program" --list | cut -f2)
    [ "${#names[@]}" -gt 0 ] || fail "kalvo-cli lists no topologies of $program"
    expect_names "$program" "${names[@]}"
done
expect_names stat "One Var 1" "One Var 2" "Y=a*x+b" "Y=a*x^2+b*x+c" "Y=a*e^b*x" "Y=a*x^b" "Histo" \
    "Original" "Failure%" "Load Data" "Save Report" "Delete List"
expect_names resistor E3 E6 E12 E24 E48 E96 "1 Decade" "2 Decades" "3 Decades" "Value Range" "Value Difference"

all_text=$(pdftotext "$pdf" - | tr -s '[:space:]' ' ')
for phrase in "Show More Digits" "Quennix_Help.pdf" "kalvo-cli resistor" "kalvo-cli calc" "kalvo-cli stat"; do
    [[ $all_text == *"$phrase"* ]] || fail "the manual does not mention \"$phrase\""
done

for picture in $(grep -oh 'src="[^"]*"' "$source_dir"/docs/help/*.html "$source_dir"/docs/help/title.html.in | sed 's/^src="//; s/"$//' | sort -u); do
    [ -f "$source_dir/resources/$picture" ] || fail "the manual shows the missing picture $picture"
done

echo "help document test: $pages pages, all programs, topologies and pictures present"
